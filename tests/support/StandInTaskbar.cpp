#include "tests/support/StandInTaskbar.h"

StandInTaskbar::StandInTaskbar(const wchar_t* className, RECT where) : m_className(className) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.lpszClassName = className;
  windowClass.hbrBackground = ::GetSysColorBrush(COLOR_3DFACE);
  ::RegisterClassW(&windowClass);
  m_window = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, L"", WS_POPUP, where.left, where.top,
                               where.right - where.left, where.bottom - where.top, nullptr, nullptr, nullptr, nullptr);
  // Last in the z-order: the shell's notification calls find the tray by its
  // class, and must find Wine's own (hidden) one first. Nothing else covers
  // the bench's screen there.
  ::SetWindowPos(m_window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  m_button = ::CreateWindowExW(0, L"BUTTON", L"app", WS_CHILD | WS_VISIBLE, 100, 2, 120,
                               where.bottom - where.top - 4, m_window, nullptr, nullptr, nullptr);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

StandInTaskbar::~StandInTaskbar() {
  ::DestroyWindow(m_window);
  ::UnregisterClassW(m_className, nullptr);
}

POINT StandInTaskbar::ButtonCentre() const {
  RECT rect{};
  ::GetWindowRect(m_button, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
