#include "tests/support/BrimletWindows.h"

#include <shellapi.h>

HWND FindTrayWindow(DWORD pid) {
  for (HWND window = ::FindWindowExA(HWND_MESSAGE, nullptr, "BRIMLET_LAUNCHER_TRAY", nullptr); window != nullptr;
       window = ::FindWindowExA(HWND_MESSAGE, window, "BRIMLET_LAUNCHER_TRAY", nullptr)) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == pid) return window;
  }
  return nullptr;
}

bool IconExists(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  record.uID = 0;
  return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}
