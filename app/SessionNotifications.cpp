#include "app/SessionNotifications.h"

#include <wtsapi32.h>

SessionNotifications::SessionNotifications(HWND window)
    : m_library(::LoadLibraryExW(L"wtsapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
  if (!m_library || window == nullptr) return;
  using Register = BOOL(WINAPI*)(HWND, DWORD);
  const auto registerFor = reinterpret_cast<Register>(
      reinterpret_cast<void*>(::GetProcAddress(m_library.get(), "WTSRegisterSessionNotification")));
  const auto unregister = reinterpret_cast<Unregister>(
      reinterpret_cast<void*>(::GetProcAddress(m_library.get(), "WTSUnRegisterSessionNotification")));
  if (registerFor == nullptr || unregister == nullptr || !registerFor(window, NOTIFY_FOR_THIS_SESSION)) return;
  m_window = window;
  m_unregister = unregister;
}

SessionNotifications::~SessionNotifications() {
  if (m_unregister != nullptr) m_unregister(m_window);
}
