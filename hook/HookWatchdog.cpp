#include "hook/HookWatchdog.h"

HookCheck HookWatchdog::Look() const {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  return {::GetTickCount(), m_hook.EventsSeen(), cursor.x, cursor.y};
}

bool HookWatchdog::Check() {
  if (!m_hook.IsRunning()) return false;  // the retries are at work
  LASTINPUTINFO input{};
  input.cbSize = sizeof(input);
  const HookCheck now = Look();
  // The first check only looks: there is nothing yet to compare with.
  const bool missed = m_looked && ::GetLastInputInfo(&input) && MouseInputMissed(m_previous, now, input.dwTime);
  m_previous = now;
  m_looked = true;
  if (!missed) return false;
  Reinstall();
  return true;
}

bool HookWatchdog::Reinstall() {
  DWORD error = 0;
  const bool running = m_hook.Reinstall(error);
  m_failures = running ? 0 : m_failures + 1;
  m_previous = Look();
  m_looked = true;
  return running;
}
