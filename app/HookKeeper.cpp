#include "app/HookKeeper.h"

#include <wtsapi32.h>

namespace {

constexpr ULONG kCheckToleranceMs = 2000;  // the system may fold it into other wake-ups

}  // namespace

bool HookKeeper::Start() {
  m_owner.CheckOrTake();
  DWORD error = 0;
  const bool hooked = m_hook.Start(error);
  m_icon.SetTip(m_texts(hooked ? TextId::Tip : TextId::TipNoHook));
  StartChecks();
  if (!hooked) Reinstall();
  return m_hook.IsRunning();
}

void HookKeeper::OnCheckTimer() {
  if (Check()) Show(m_hook.IsRunning());
}

void HookKeeper::Reinstall() {
  if (!m_stopped) Show(InstallAgain());
}

void HookKeeper::OnSessionChange(WPARAM event) {
  if (event == WTS_SESSION_LOCK) {
    m_locked = true;
    m_checkTimer.Stop();
  } else if (event == WTS_SESSION_UNLOCK || event == WTS_CONSOLE_CONNECT) {
    if (event == WTS_SESSION_UNLOCK) m_locked = false;
    StartChecks();
    Reinstall();
  }
}

void HookKeeper::Stop() {
  m_stopped = true;
  m_checkTimer.Stop();
  m_retryTimer.Stop();
  m_hook.Stop();
}

HookCheck HookKeeper::Look() const {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  return {::GetTickCount(), m_hook.EventsSeen(), cursor.x, cursor.y, m_hook.WatchesKeyboard(), m_hook.KeyEventsSeen()};
}

bool HookKeeper::Check() {
  if (m_stopped) return false;
  if (!m_hook.IsRunning()) {
    if (m_retrying) return false;  // the retries are at work
    InstallAgain();  // its thread ended
    return true;
  }
  LASTINPUTINFO input{};
  input.cbSize = sizeof(input);
  const HookCheck now = Look();
  // The first check only looks: there is nothing yet to compare with.
  const bool missed = m_looked && ::GetLastInputInfo(&input) &&
                      (MouseInputMissed(m_previous, now, input.dwTime) || KeyInputMissed(m_previous, now, input.dwTime));
  const bool sawEvents = m_looked && now.hookEvents != m_previous.hookEvents;
  const uint32_t period = NextHookCheckPeriodMs(m_checkPeriod, sawEvents, missed && m_checkReinstalled);
  m_previous = now;
  m_looked = true;
  m_checkReinstalled = missed;
  if (period != m_checkPeriod) {
    m_checkPeriod = period;
    StartChecks();
  }
  if (!missed) return false;
  InstallAgain();
  return true;
}

bool HookKeeper::InstallAgain() {
  m_owner.CheckOrTake();
  DWORD error = 0;
  const bool running = m_hook.Reinstall(error);
  m_failures = running ? 0 : m_failures + 1;
  m_previous = Look();
  m_looked = true;
  return running;
}

void HookKeeper::Show(bool running) {
  m_icon.SetTip(m_texts(running ? TextId::Tip : TextId::TipNoHook));
  m_retrying = !running;
  if (running) {
    m_retryTimer.Stop();
  } else {
    m_retryTimer.Start(HookRetryDelayMs(m_failures == 0 ? 0 : m_failures - 1));
  }
}

void HookKeeper::StartChecks() {
  if (!m_locked && !m_stopped) m_checkTimer.Start(m_checkPeriod, kCheckToleranceMs);
}
