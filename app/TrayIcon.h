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

  // Adds the icon for `window` (again, after the shell has restarted); false
  // when the notification area does not take it (not there yet at logon).
  bool Add(HWND window);
  void Remove();
  // The tip shown over the icon, now and whenever it is added again.
  void SetTip(const wchar_t* tip);

 private:
  HWND m_window = nullptr;
  const wchar_t* m_tip = L"Brimlet";
};
