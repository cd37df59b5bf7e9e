#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"

// The icon's callback message to the tray window.
inline constexpr UINT WM_TRAYICON = WM_USER + 0x100;

// Adds the program's icon to the notification area for g_trayWindow.
void AddTrayIcon();
void RemoveTrayIcon();

// A hidden top-level window, never shown, that hears the shell's "TaskbarCreated"
// broadcast (a message-only window does not) and adds the icon again after the
// shell has restarted.
class ShellRestartWatch {
 public:
  ShellRestartWatch();
  ShellRestartWatch(const ShellRestartWatch&) = delete;
  ShellRestartWatch& operator=(const ShellRestartWatch&) = delete;

 private:
  UniqueWindow m_window;
};
