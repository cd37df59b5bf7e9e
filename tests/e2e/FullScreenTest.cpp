#include "tests/e2e/BrimletTest.h"
#include "tests/support/Input.h"
#include "tests/e2e/KeyWatcher.h"

namespace {

void PumpMessagesFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  MSG msg;
  while (::GetTickCount64() < end) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::Sleep(5);
  }
}

// A window of this driver brought to the front, then shaped by `show`.
class FrontWindow {
 public:
  FrontWindow(DWORD style, int showCommand) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    m_window = ::CreateWindowExW(0, L"STATIC", L"front", style, 0, 0, width, height, nullptr, nullptr, nullptr,
                                 nullptr);
    ::ShowWindow(m_window, showCommand);
    ::SetForegroundWindow(m_window);
    // In front and shaped as asked, as the window manager reports it.
    const ULONGLONG deadline = ::GetTickCount64() + 5000;
    while (::GetForegroundWindow() != m_window && ::GetTickCount64() < deadline) PumpMessagesFor(20);
    PumpMessagesFor(50);
  }
  ~FrontWindow() {
    ::DestroyWindow(m_window);
    PumpMessagesFor(100);
  }
  FrontWindow(const FrontWindow&) = delete;
  FrontWindow& operator=(const FrontWindow&) = delete;

  HWND get() const { return m_window; }
  bool CoversTheScreen() const {
    RECT rect{};
    ::GetWindowRect(m_window, &rect);
    return rect.left == 0 && rect.top == 0 && rect.right == ::GetSystemMetrics(SM_CXSCREEN) &&
           rect.bottom == ::GetSystemMetrics(SM_CYSCREEN);
  }

 private:
  HWND m_window;
};

class FullScreenTest : public BrimletTest {
 protected:
  void TurnInEveryCorner() {
    for (const POINT& corner : {POINT{0, 0}, POINT{1919, 0}, POINT{0, 1079}, POINT{1919, 1079}}) {
      WheelAt(corner.x, corner.y, 120);
    }
  }
  KeyWatcher m_keys;
};

TEST_F(FullScreenTest, FullScreenWindowInFrontSwitchesEveryCornerOff) {
  WriteConfig(std::wstring(kAllVolumeNoInterval) + L"DisableFunctionWhenFullScreen = true\n");
  auto brimlet = Start();
  {
    const FrontWindow front(WS_POPUP | WS_VISIBLE, SW_SHOW);
    ASSERT_EQ(::GetForegroundWindow(), front.get());
    ASSERT_TRUE(front.CoversTheScreen());
    TurnInEveryCorner();
    PumpMessagesFor(800);
    EXPECT_EQ(m_keys.Count(), 0U);
  }
  // With the window gone the corners work again.
  WheelAt(1919, 1079, -120);
  ASSERT_TRUE(m_keys.WaitForCount(1, 5000));
  EXPECT_EQ(m_keys.KeyDowns(), std::vector<DWORD>{VK_VOLUME_DOWN});
}

TEST_F(FullScreenTest, FullScreenWindowIsIgnoredWhenTheSettingIsOff) {
  WriteConfig(std::wstring(kAllVolumeNoInterval) + L"DisableFunctionWhenFullScreen = false\n");
  auto brimlet = Start();
  const FrontWindow front(WS_POPUP | WS_VISIBLE, SW_SHOW);
  ASSERT_EQ(::GetForegroundWindow(), front.get());
  TurnInEveryCorner();
  EXPECT_TRUE(m_keys.WaitForCount(4, 5000));
}

TEST_F(FullScreenTest, MaximisedWindowIsNotFullScreen) {
  WriteConfig(std::wstring(kAllVolumeNoInterval) + L"DisableFunctionWhenFullScreen = true\n");
  auto brimlet = Start();
  const FrontWindow front(WS_OVERLAPPEDWINDOW | WS_VISIBLE, SW_MAXIMIZE);
  ASSERT_EQ(::GetForegroundWindow(), front.get());
  ASSERT_TRUE(::IsZoomed(front.get()));
  ASSERT_FALSE(front.CoversTheScreen()) << "its frame reaches past the screen's edges";
  TurnInEveryCorner();
  EXPECT_TRUE(m_keys.WaitForCount(4, 5000));
}

}  // namespace
