#pragma once
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/MessageWindow.h"
#include "framework/Timer.h"
#include "framework/UniqueHandle.h"

// The icon's callback message to its window.
inline constexpr UINT kTrayIconMessage = WM_USER + 0x100;

// The shell's notification area, as a seam (Shell_NotifyIconW); tests stand in
// for it and see each request.
class NotificationArea {
 public:
  virtual bool Notify(DWORD request, NOTIFYICONDATAW& record) = 0;

 protected:
  ~NotificationArea() = default;
};

class SystemNotificationArea final : public NotificationArea {
 public:
  bool Notify(DWORD request, NOTIFYICONDATAW& record) override {
    return ::Shell_NotifyIconW(request, &record) != FALSE;
  }
};

// The program's icon in the notification area, for one window. At logon the
// notification area may not be there yet: the icon tries again every 2 s for up
// to 2 minutes, on a timer of its own. It hears the shell itself, on a hidden
// window of its own: it is added again whenever the shell restarts
// ("TaskbarCreated"), and its image follows the DPI after a display change.
// It is removed when its owner ends.
class TrayIcon {
 public:
  explicit TrayIcon(NotificationArea& area) : m_area(area) {}
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `window`, retrying until the notification area takes it.
  void Add(HWND window);
  // The shell has restarted ("TaskbarCreated"): the icon is gone from it, and
  // its image is taken anew for the DPI in force.
  void AddAgain();
  // The display changed: the image is taken anew for the DPI in force.
  void FollowDpi();
  void Remove();
  // The keyboard focus goes back to the notification area (a menu was closed by Esc).
  void GiveFocusBack();
  // The tip shown over the icon, now and whenever it is added again.
  void SetTip(std::wstring tip);
  // One notification from the icon, as soon as it is in the notification area;
  // the shell holds it back during the user's quiet time.
  void ShowNotice(std::wstring title, std::wstring text);

 private:
  bool TryAdd();
  HICON Image();
  void TryNotice();
  void OnRetryTimer();
  std::optional<LRESULT> OnShellMessage(UINT message, WPARAM wParam, LPARAM lParam);

  NotificationArea& m_area;
  TimerOf<TrayIcon> m_retry{*this, &TrayIcon::OnRetryTimer};
  // Hidden top-level (a message-only window hears no broadcasts), never shown.
  WindowOf<TrayIcon> m_shellWindow{*this, &TrayIcon::OnShellMessage};
  UINT m_taskbarCreated = 0;
  HWND m_window = nullptr;
  bool m_added = false;
  int m_tries = 0;
  std::wstring m_tip = L"Brimlet";
  std::wstring m_noticeTitle;  // a notice waiting for the icon; empty: none
  std::wstring m_noticeText;
  UniqueIcon m_icon;  // the small image for the DPI
};
