#pragma once
// A taskbar for the tests: Wine's own Shell_TrayWnd is hidden and 0 x 0. A
// visible top-level window of one of the classes Windows gives its taskbars,
// with a button inside, as its buttons and clock are. It lies last in the
// z-order, so the shell's calls still find Wine's own tray window first.
#include <windows.h>

class StandInTaskbar {
 public:
  // `className`: L"Shell_TrayWnd" or L"Shell_SecondaryTrayWnd".
  StandInTaskbar(const wchar_t* className, RECT where);
  ~StandInTaskbar();
  StandInTaskbar(const StandInTaskbar&) = delete;
  StandInTaskbar& operator=(const StandInTaskbar&) = delete;

  HWND hwnd() const { return m_window; }
  // The middle of the button inside, in screen coordinates.
  POINT ButtonCentre() const;

 private:
  const wchar_t* m_className;
  HWND m_window = nullptr;
  HWND m_button = nullptr;
};
