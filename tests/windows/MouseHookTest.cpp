#include "hook/MouseHook.h"

#include <gtest/gtest.h>

#include "app/BrimletApp.h"
#include "app/TrayThread.h"
#include "hook/CornerActions.h"
#include "tests/windows/FakeActionSeam.h"

namespace {

class MouseHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_cornerZones = ComputeCornerZones(1920, 1080);
    g_settings = Settings{};
    g_settings.LTControll = g_settings.LBControll = g_settings.RTControll = g_settings.RBControll = 1;
    g_settings.DisableFunctionWhenFullScreen = false;
    g_volumeInterval = 0;
  }

  void Send(WPARAM message, LONG x, LONG y, int delta = 120) {
    MSLLHOOKSTRUCT event{};
    event.pt = {x, y};
    event.mouseData = static_cast<DWORD>(delta) << 16;
    MouseHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
  }
  std::vector<WORD> Keys() {
    std::vector<WORD> keys;
    for (const INPUT& input : m_seam.system().inputs) keys.push_back(input.ki.wVk);
    return keys;
  }

  FakeSeamScope m_seam;
};

TEST_F(MouseHookTest, OnlyTheVerticalWheelActs) {
  for (const WPARAM message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MOUSEHWHEEL}) {
    Send(message, 0, 0);
  }
  EXPECT_TRUE(m_seam.system().order.empty());
  Send(WM_MOUSEWHEEL, 0, 0);
  EXPECT_EQ(Keys(), std::vector<WORD>{0xAF});
}

TEST_F(MouseHookTest, PositionsOffThePrimaryScreenCountAsTheNearestZone) {
  Send(WM_MOUSEWHEEL, -1920, -5);
  Send(WM_MOUSEWHEEL, -1, 1200, -120);
  Send(WM_MOUSEWHEEL, -1, 500);  // left of the screen but between the bands
  EXPECT_EQ(Keys(), (std::vector<WORD>{0xAF, 0xAE}));
}

TEST_F(MouseHookTest, CornerActionCodeIsHandedOn) {
  g_settings.LTControll = 2;
  g_settings.RBControll = 3;
  Send(WM_MOUSEWHEEL, 0, 0);
  Send(WM_MOUSEWHEEL, 1919, 1079);
  // Top-left: one brightness step (the display is opened for the query and the set);
  // bottom-right: code 3 does nothing.
  EXPECT_EQ(m_seam.system().opens.size(), 2U);
  EXPECT_TRUE(Keys().empty());
}

TEST_F(MouseHookTest, MissingEventRecordIsReportedWithoutABox) {
  MouseHookProc(HC_ACTION, WM_MOUSEWHEEL, 0);
  MouseHookProc(HC_ACTION, WM_MOUSEMOVE, 0);
  ASSERT_EQ(m_seam.system().errors.size(), 2U);
  EXPECT_EQ(m_seam.system().errors[0].first, HookError::MissingEventRecord);
  EXPECT_TRUE(Keys().empty());
}

TEST_F(MouseHookTest, FullScreenWindowInFrontSwitchesTheCornersOff) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  g_cornerZones = ComputeCornerZones(width, height);
  HWND window = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"full screen", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                  height, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ::SetForegroundWindow(window);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  ASSERT_EQ(::GetForegroundWindow(), window);

  g_settings.DisableFunctionWhenFullScreen = true;
  Send(WM_MOUSEWHEEL, 0, 0);
  Send(WM_MOUSEWHEEL, width - 1, height - 1);
  EXPECT_TRUE(Keys().empty());

  g_settings.DisableFunctionWhenFullScreen = false;
  Send(WM_MOUSEWHEEL, 0, 0);
  EXPECT_EQ(Keys().size(), 1U);

  // One pixel short of the monitor is not full-screen.
  ::SetWindowPos(window, nullptr, 0, 0, width, height - 1, SWP_NOZORDER);
  g_settings.DisableFunctionWhenFullScreen = true;
  Send(WM_MOUSEWHEEL, 0, 0);
  EXPECT_EQ(Keys().size(), 2U);
  ::DestroyWindow(window);
}

}  // namespace
