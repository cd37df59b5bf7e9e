#pragma once
// Keeps the mouse hook installed: installs it again on request (after resume
// from sleep, an unlock, a display change), and notices when the system removed
// it without a word: between two checks the pointer moved and the hook saw
// nothing.
#include <cstdint>

#include "core/HookWatch.h"
#include "hook/MouseHook.h"

class HookWatchdog {
 public:
  explicit HookWatchdog(MouseHook& hook) : m_hook(hook) {}

  // The periodic check: true when the hook had missed mouse input and was
  // installed again (or tried to be).
  bool Check();
  // Installs the hook again; true when a hook runs afterwards.
  bool Reinstall();
  // How long to wait before the next try after a failed install.
  uint32_t RetryDelayMs() const { return HookRetryDelayMs(m_failures == 0 ? 0 : m_failures - 1); }

 private:
  HookCheck Look() const;

  MouseHook& m_hook;
  HookCheck m_previous;  // what the last check (or install) saw
  bool m_looked = false;  // m_previous holds a real look
  uint32_t m_failures = 0;
};
