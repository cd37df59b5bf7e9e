// A held key turns the wheel anywhere, on the bench's one screen of 1920 x
// 1080. A window of the test's own is in front, under the pointer, with a
// menu bar: it counts the wheel turns it gets (and those with Ctrl held) and
// the times Windows puts it in menu mode (as a lone Alt tap does).
#include <string>

#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/support/Input.h"

namespace {

class WatchedWindow {
 public:
  WatchedWindow() {
    s_wheels = 0;
    s_ctrlWheels = 0;
    s_menuModes = 0;
    s_typed.clear();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &WatchedWindow::Procedure;
    windowClass.lpszClassName = L"BrimletKeysWatched";
    ::RegisterClassW(&windowClass);
    m_window = ::CreateWindowExW(0, L"BrimletKeysWatched", L"watched", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 460, 290,
                                 1000, 500, nullptr, nullptr, nullptr, nullptr);
    HMENU bar = ::CreateMenu();
    ::AppendMenuW(bar, MF_STRING, 1, L"&File");
    ::SetMenu(m_window, bar);
    ::SetForegroundWindow(m_window);
    PumpUntil([this] { return ::GetForegroundWindow() == m_window; });
  }
  ~WatchedWindow() {
    ::DestroyWindow(m_window);
    ::UnregisterClassW(L"BrimletKeysWatched", nullptr);
  }
  WatchedWindow(const WatchedWindow&) = delete;
  WatchedWindow& operator=(const WatchedWindow&) = delete;

  // Handles the window's messages until `condition` holds, for up to 5 s.
  template <class Condition>
  static bool PumpUntil(Condition condition) {
    return WaitUntil(
        [&] {
          MSG msg;
          while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
          }
          return condition();
        },
        5000);
  }
  static int wheels() { return s_wheels; }
  static int ctrlWheels() { return s_ctrlWheels; }
  static int menuModes() { return s_menuModes; }
  static const std::wstring& typed() { return s_typed; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEWHEEL) {
      ++s_wheels;
      if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) ++s_ctrlWheels;
    }
    if (message == WM_CHAR) s_typed += static_cast<wchar_t>(wParam);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
      ++s_menuModes;
      return 0;  // counted, not entered
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  static int s_wheels;
  static int s_ctrlWheels;
  static int s_menuModes;
  static std::wstring s_typed;
  HWND m_window = nullptr;
};
std::wstring WatchedWindow::s_typed;
int WatchedWindow::s_wheels = 0;
int WatchedWindow::s_ctrlWheels = 0;
int WatchedWindow::s_menuModes = 0;

class KeysTest : public BrimletTest {
 protected:
  KeyWatcher m_keys;
};

// Ctrl and a notch in the middle of the screen step the volume, and the window
// under the pointer gets no wheel turn; without Ctrl it gets it and nothing
// steps; with Ctrl and Shift it gets it and nothing steps either.
TEST_F(KeysTest, CtrlAndANotchStepTheVolumeAndNoWindowScrolls) {
  WriteConfig(L"[Brimlet]\nLTControll = 0\nLBControll = 0\nRTControll = 0\nRBControll = 1\nInterval = 0\n"
              L"KeyWheel = Ctrl\n");
  auto brimlet = Start();
  const WatchedWindow window;
  SendAll({KeyEvent(VK_CONTROL, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120), KeyEvent(VK_CONTROL, true)});
  ASSERT_TRUE(m_keys.WaitForCount(1, 5000));
  EXPECT_EQ(m_keys.KeyDowns(), std::vector<DWORD>{VK_VOLUME_UP});
  // A plain notch the window gets, after the Ctrl notch it must not have got.
  WheelAt(960, 540, -120);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::wheels() >= 1; })) << "a plain notch scrolls";
  EXPECT_EQ(WatchedWindow::ctrlWheels(), 0) << "the window got the Ctrl notch";

  SendAll({KeyEvent(VK_CONTROL, false), KeyEvent(VK_SHIFT, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120),
           KeyEvent(VK_SHIFT, true), KeyEvent(VK_CONTROL, true)});
  EXPECT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::ctrlWheels() >= 1; }))
      << "with Ctrl and Shift the window gets the notch";
  WheelAt(1919, 1079, -120);
  ASSERT_TRUE(m_keys.WaitForCount(2, 5000));
  EXPECT_EQ(m_keys.KeyDowns(), (std::vector<DWORD>{VK_VOLUME_UP, VK_VOLUME_DOWN}))
      << "without Ctrl, and with Ctrl and Shift, nothing steps";
}

// Alt and a notch step the brightness (the window gets no wheel turn), and
// letting Alt go leaves the window out of menu mode; a lone Alt tap on the same
// desk does put it there, so the check can fail. (A volume step masks Alt by
// its own key; a brightness step sends none.)
TEST_F(KeysTest, AltAndANotchStepAndLettingAltGoOpensNoMenu) {
  WriteConfig(L"[Brimlet]\nLTControll = 0\nLBControll = 0\nRTControll = 0\nRBControll = 1\nInterval = 0\n"
              L"KeyWheel = Alt\nKeyWheelAction = 2\n");
  auto brimlet = Start();
  const WatchedWindow window;
  PressKey(VK_MENU);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::menuModes() == 1; })) << "a lone Alt tap";

  SendAll({KeyEvent(VK_MENU, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120), KeyEvent(VK_MENU, true)});
  WheelAt(960, 540, -120);  // a plain notch after it, which the window gets
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::wheels() >= 1; }));
  EXPECT_EQ(WatchedWindow::wheels(), 1) << "the window got the notch turned with Alt";
  // A second lone tap shows when the release before it has been handled.
  PressKey(VK_MENU);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::menuModes() >= 2; }));
  EXPECT_EQ(WatchedWindow::menuModes(), 2) << "letting Alt go after a step opened the menu bar";
}

// Keys in config.ini that would take typing are never registered: every
// program still gets its letters.
TEST_F(KeysTest, KeysThatWouldTakeTypingStayWithTheWindows) {
  WriteConfig(L"[Brimlet]\nBrightnessUpKey = A\nBrightnessDownKey = Shift+B\n");
  auto brimlet = Start();
  const WatchedWindow window;
  PointerAt(960, 540);
  PressKey('B');
  PressKey('A');
  PressChord({VK_SHIFT, 'B'});
  PressChord({VK_SHIFT, 'A'});
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::typed().size() >= 4; })) << "typed: "
      << WatchedWindow::typed().size();
  EXPECT_EQ(WatchedWindow::typed(), L"baBA");
}

}  // namespace
