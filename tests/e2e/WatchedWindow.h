#pragma once
// A window of the test's own, in front, at 460, 290 (1000 x 500) with a menu
// bar: it counts the wheel turns it gets (and those with Ctrl held), the
// middle-button messages, the times Windows puts it in menu mode (as a lone
// Alt tap does), and what is typed into it.
#include <windows.h>
#include <windowsx.h>

#include <string>

#include "tests/e2e/BrimletProcess.h"

class WatchedWindow {
 public:
  WatchedWindow() {
    s_wheels = 0;
    s_ctrlWheels = 0;
    s_menuModes = 0;
    s_middles = 0;
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
  static int middles() { return s_middles; }  // middle presses and releases
  static const std::wstring& typed() { return s_typed; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEWHEEL) {
      ++s_wheels;
      if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) ++s_ctrlWheels;
    }
    if (message == WM_CHAR) s_typed += static_cast<wchar_t>(wParam);
    if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) ++s_middles;
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
      ++s_menuModes;
      return 0;  // counted, not entered
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  static inline int s_wheels = 0;
  static inline int s_ctrlWheels = 0;
  static inline int s_menuModes = 0;
  static inline int s_middles = 0;
  static inline std::wstring s_typed;
  HWND m_window = nullptr;
};
