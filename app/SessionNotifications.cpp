#include "app/SessionNotifications.h"

#include <wtsapi32.h>

#include "framework/SystemLibrary.h"

SessionNotifications::SessionNotifications(HWND window) : m_library(LoadSystemLibrary(L"wtsapi32.dll")) {
  BOOL(WINAPI * registerFor)(HWND, DWORD) = nullptr;
  Unregister unregister = nullptr;
  if (window == nullptr || !Resolve(m_library.get(), "WTSRegisterSessionNotification", registerFor) ||
      !Resolve(m_library.get(), "WTSUnRegisterSessionNotification", unregister) ||
      !registerFor(window, NOTIFY_FOR_THIS_SESSION)) {
    return;
  }
  m_window = window;
  m_unregister = unregister;
}

SessionNotifications::~SessionNotifications() {
  if (m_unregister != nullptr) m_unregister(m_window);
}
