#pragma once
// Keeps the mouse hook working for days, and is the one that knows whether it
// does. It installs the hook again on request (after resume from sleep, an
// unlock, a display change); every 10 s it checks that the hook still sees the
// mouse (between two checks the pointer moved and the hook saw nothing: the
// system removed it without a word) and that its thread runs, and installs it
// again (and the keyboard hook of a held key, which typing that no hook saw
// shows removed the same way); a failed install is retried after 2 s, 4 s, ... at most a minute
// apart. Where the hook legitimately sees nothing (an elevated window in front)
// the checks grow further apart. The icon's tip says while no hook runs. The
// checks and retries run on timers of its own. Once the program stops the
// hook, nothing installs it again.
#include <cstdint>

#include "app/TrayIcon.h"
#include "core/HookWatch.h"
#include "framework/OwnerThread.h"
#include "framework/Timer.h"
#include "hook/MouseHook.h"
#include "ui/Texts.h"

class HookKeeper {
 public:
  HookKeeper(MouseHook& hook, TrayIcon& icon, const Texts& texts) : m_hook(hook), m_icon(icon), m_texts(texts) {}

  // Installs the hook and starts the checks; false when no hook runs (the
  // retries are then at work).
  bool Start();
  // The machine resumed, the display changed: the hook may be gone.
  void Reinstall();
  // WM_WTSSESSION_CHANGE: no checks while the session is locked; after an
  // unlock or a console connect the hook is installed again.
  void OnSessionChange(WPARAM event);
  // The program ends: the hook is removed, and no check or retry runs again.
  void Stop();

  // The periodic check: true when the hook had missed mouse input, or its
  // thread had ended, and it was installed again (or tried to be).
  bool Check();
  // Milliseconds until the next check.
  uint32_t CheckPeriodMs() const { return m_checkPeriod; }

 private:
  void OnCheckTimer();
  HookCheck Look() const;
  bool InstallAgain();
  void Show(bool running);
  void StartChecks();

  OwnerThread m_owner;  // the tray thread: its timers and the icon are that thread's
  MouseHook& m_hook;
  TrayIcon& m_icon;
  const Texts& m_texts;
  TimerOf<HookKeeper> m_checkTimer{*this, &HookKeeper::OnCheckTimer};
  TimerOf<HookKeeper> m_retryTimer{*this, &HookKeeper::Reinstall};
  HookCheck m_previous;   // what the last check (or install) saw
  bool m_looked = false;  // m_previous holds a real look
  uint32_t m_failures = 0;
  bool m_retrying = false;          // a retry is scheduled
  bool m_checkReinstalled = false;  // the last check installed the hook again
  uint32_t m_checkPeriod = kHookCheckPeriodMs;
  bool m_locked = false;
  bool m_stopped = false;
};
