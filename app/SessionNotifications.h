#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"

// While it lives, `window` hears of this session's lock, unlock and console
// connects (WM_WTSSESSION_CHANGE). wtsapi32.dll is no KnownDLL: it is loaded
// from the system folder only, never from beside the executable.
class SessionNotifications {
 public:
  explicit SessionNotifications(HWND window);
  ~SessionNotifications();
  SessionNotifications(const SessionNotifications&) = delete;
  SessionNotifications& operator=(const SessionNotifications&) = delete;

 private:
  using Unregister = BOOL(WINAPI*)(HWND);
  UniqueModule m_library;
  HWND m_window = nullptr;
  Unregister m_unregister = nullptr;
};
