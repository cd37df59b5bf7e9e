#pragma once
#include <windows.h>

// The icon's callback message to the tray window.
inline constexpr UINT kTrayIconMessage = WM_USER + 0x100;

// The program's icon in the notification area, for one window. It is removed
// when its owner ends.
class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `window` (again, after the shell has restarted).
  void Add(HWND window);
  void Remove();

 private:
  HWND m_window = nullptr;
};
