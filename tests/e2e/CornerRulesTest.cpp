// Corners the user shapes: programs that stop the corners or act in full
// screen, a middle click that mutes, and the volume step.
#include <algorithm>
#include <atomic>

#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/support/Input.h"

namespace {

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

// A window of this driver (brimlet_e2e.exe) in front, at `rect`, that counts
// the middle-button messages it receives.
class FrontWindow {
 public:
  explicit FrontWindow(const RECT& rect) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpszClassName = L"BrimletRulesFront";
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) ++s_middleMessages;
      return ::DefWindowProcW(window, message, wParam, lParam);
    };
    ::RegisterClassExW(&windowClass);
    m_window = ::CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"front", WS_POPUP | WS_VISIBLE, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr,
                                 nullptr);
    ::SetForegroundWindow(m_window);
    WaitUntil(
        [this] {
          Pump();
          return ::GetForegroundWindow() == m_window;
        },
        5000);
  }
  ~FrontWindow() {
    ::DestroyWindow(m_window);
    Pump();
  }
  FrontWindow(const FrontWindow&) = delete;
  FrontWindow& operator=(const FrontWindow&) = delete;

  HWND get() const { return m_window; }
  static int MiddleMessages() { return s_middleMessages; }
  // A middle click at (x, y), and its messages, if it reaches this window.
  static void MiddleClick(int x, int y) { SendAll({MouseAt(x, y, MOUSEEVENTF_MIDDLEDOWN), MouseAt(x, y, MOUSEEVENTF_MIDDLEUP)}); }
  // Waits until this window has received `count` middle-button messages in all.
  static bool Received(int count) {
    return WaitUntil(
        [count] {
          Pump();
          return s_middleMessages >= count;
        },
        5000);
  }

 private:
  HWND m_window;
  static inline std::atomic<int> s_middleMessages{0};
};

class CornerRulesTest : public BrimletTest {
 protected:
  // Presses of the volume-up key from one notch up at (x, y); a notch down
  // follows, and once its key is seen every press of the first has come.
  size_t PressesFromOneNotch(int x, int y) {
    m_keys.Clear();
    WheelAt(x, y, 120);
    WheelAt(x, y, -120);
    EXPECT_TRUE(WaitUntil(
        [this] {
          const std::vector<DWORD> keys = m_keys.KeyDowns();
          return std::find(keys.begin(), keys.end(), DWORD{VK_VOLUME_DOWN}) != keys.end();
        },
        5000));
    const std::vector<DWORD> keys = m_keys.KeyDowns();
    return static_cast<size_t>(std::count(keys.begin(), keys.end(), DWORD{VK_VOLUME_UP}));
  }
  KeyWatcher m_keys;
};

TEST_F(CornerRulesTest, ProgramsInFrontStopTheCornersOrActInFullScreen) {
  const RECT screen{0, 0, 1920, 1080};
  {
    // Named in another case than the file's: brimlet_e2e.exe is this driver.
    WriteConfig(std::wstring(kAllVolumeNoInterval) + L"IgnorePrograms = game.exe; BRIMLET_E2E.EXE\n");
    auto brimlet = Start();
    {
      const FrontWindow front({400, 300, 800, 600});
      ASSERT_EQ(::GetForegroundWindow(), front.get());
      WheelAt(0, 1079, 120);
      ::Sleep(500);
      EXPECT_EQ(m_keys.Count(), 0U) << "the corners act while an ignored program is in front";
    }
    // With the driver's window gone, the next turn acts; had the first one
    // acted, its key would have come first.
    WheelAt(0, 1079, -120);
    ASSERT_TRUE(m_keys.WaitForCount(1, 5000));
    EXPECT_EQ(m_keys.KeyDowns(), std::vector<DWORD>{VK_VOLUME_DOWN});
  }
  m_keys.Clear();
  {
    WriteConfig(std::wstring(kAllVolumeNoInterval) + L"IgnorePrograms = game.exe\n");
    auto brimlet = Start();
    const FrontWindow front({400, 300, 800, 600});
    WheelAt(0, 1079, 120);
    EXPECT_TRUE(m_keys.WaitForCount(1, 5000)) << "a program not named changes nothing";
  }
  m_keys.Clear();
  {
    WriteConfig(std::wstring(kAllVolumeNoInterval) +
                L"DisableFunctionWhenFullScreen = true\nActInFullScreen = player.exe, Brimlet_E2E.exe\n");
    auto brimlet = Start();
    const FrontWindow front(screen);
    WheelAt(1919, 1079, 120);
    EXPECT_TRUE(m_keys.WaitForCount(1, 5000)) << "a full-screen window of a program named pauses nothing";
  }
}

TEST_F(CornerRulesTest, MiddleClickInAVolumeCornerMutesAndReachesNoWindow) {
  // Top-left: brightness; bottom-left: volume. The window covers both.
  WriteConfig(L"[Brimlet]\nLTControll = 2\nLBControll = 1\nInterval = 0\nMiddleClickMute = true\n");
  auto brimlet = Start();
  const FrontWindow front({0, 0, 400, 1080});
  int expected = FrontWindow::MiddleMessages();
  FrontWindow::MiddleClick(200, 540);  // no corner
  ASSERT_TRUE(FrontWindow::Received(expected += 2));

  FrontWindow::MiddleClick(0, 1079);  // the volume corner
  ASSERT_TRUE(m_keys.WaitForCount(1, 5000)) << "no mute key";
  FrontWindow::MiddleClick(200, 540);
  ASSERT_TRUE(FrontWindow::Received(expected += 2));
  Pump();
  EXPECT_EQ(FrontWindow::MiddleMessages(), expected) << "the volume corner's click reached the window";
  const std::vector<SeenKey> keys = m_keys.Keys();
  ASSERT_EQ(keys.size(), 2U) << "one press and its release";
  for (const SeenKey& key : keys) {
    EXPECT_EQ(key.virtualKey, DWORD{VK_VOLUME_MUTE});
    EXPECT_EQ(key.scanCode, 0x20U);
    EXPECT_TRUE(key.extended);
  }

  FrontWindow::MiddleClick(0, 0);  // a brightness corner
  EXPECT_TRUE(FrontWindow::Received(expected += 2));
  EXPECT_EQ(m_keys.Count(), 1U);
}

TEST_F(CornerRulesTest, MiddleClickWithTheSettingOffReachesTheWindow) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  const FrontWindow front({0, 0, 400, 1080});
  const int before = FrontWindow::MiddleMessages();
  FrontWindow::MiddleClick(0, 1079);
  EXPECT_TRUE(FrontWindow::Received(before + 2));
  WheelAt(0, 1079, 120);  // a key after the click: no mute came before it
  ASSERT_TRUE(m_keys.WaitForCount(1, 5000));
  EXPECT_EQ(m_keys.KeyDowns(), std::vector<DWORD>{VK_VOLUME_UP});
}

TEST_F(CornerRulesTest, VolumeStepPressesTheKeyOncePerTwoPercent) {
  const struct {
    const wchar_t* value;
    size_t presses;
  } steps[] = {{L"6", 3}, {L"7", 3}, {L"0", 1}, {L"abc", 1}};
  for (const auto& step : steps) {
    WriteConfig(std::wstring(kAllVolumeNoInterval) + L"VolumeStep = " + step.value + L"\n");
    auto brimlet = Start();
    EXPECT_EQ(PressesFromOneNotch(0, 1079), step.presses) << "VolumeStep " << step.presses;
  }
}

}  // namespace
