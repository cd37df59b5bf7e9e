#include "app/TrayWindow.h"

#include "app/HookErrorBox.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"

LRESULT CALLBACK TrayWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return 0;
  if (IsHookErrorMessage(message)) {
    ShowHookError(wParam, lParam);
    return 0;
  }
  if (message != WM_TRAYICON) return ::DefWindowProcW(window, message, wParam, lParam);
  // Classic and version-4 callbacks alike: the icon id is 0, so the whole lParam is the event.
  if (lParam != WM_RBUTTONDOWN) return 0;
  OpenTrayMenu(window);
  return 0;
}
