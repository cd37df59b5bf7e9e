#include "hook/HookReports.h"

void HookReports::AnnounceTo(HWND window, UINT message) {
  m_message = message;
  m_window = window;
}

void HookReports::Report(HookError error, DWORD code) {
  const uint64_t report = (static_cast<uint64_t>(error) << 32U) | code;
  uint64_t none = 0;
  if (!m_waiting.compare_exchange_strong(none, report)) return;
  if (HWND window = m_window.load()) ::PostMessageW(window, m_message.load(), 0, 0);
}

bool HookReports::Take(HookReport& report) {
  const uint64_t waiting = m_waiting.exchange(0);
  if (waiting == 0) return false;
  report = {static_cast<uint32_t>(waiting >> 32U), static_cast<uint32_t>(waiting)};
  return true;
}
