#pragma once
#include <windows.h>

#include <string>

#include "framework/Timer.h"
#include "framework/UniqueHandle.h"

// The icon's callback message to its window.
inline constexpr UINT kTrayIconMessage = WM_USER + 0x100;

// The program's icon in the notification area, for one window. At logon the
// notification area may not be there yet: the icon tries again every 2 s for up
// to 2 minutes, on a timer of its own, and it is added again whenever the shell
// restarts. It is removed when its owner ends.
class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `window`, retrying until the notification area takes it.
  void Add(HWND window);
  // The shell has restarted ("TaskbarCreated"): the icon is gone from it.
  void AddAgain();
  void Remove();
  // The keyboard focus goes back to the notification area (a menu was closed by Esc).
  void GiveFocusBack();
  // The tip shown over the icon, now and whenever it is added again.
  void SetTip(std::wstring tip);

 private:
  bool TryAdd();
  void OnRetryTimer();

  TimerOf<TrayIcon> m_retry{*this, &TrayIcon::OnRetryTimer};
  HWND m_window = nullptr;
  int m_tries = 0;
  std::wstring m_tip = L"Brimlet";
  UniqueIcon m_icon;  // the small image for the DPI
};
