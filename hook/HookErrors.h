#pragma once
// Failures inside the mouse hook are never shown there: a hook that waits for a
// person is skipped and, after a few time-outs, removed by the system for good.
// They are posted to the tray window instead, which shows them once the hook
// has returned.
#include <windows.h>

inline constexpr UINT WM_HOOK_ERROR = WM_APP + 0x10;

enum class HookError : WPARAM {
  MissingEventRecord = 1,  // lParam unused
  SendInputFailed = 2,     // lParam: the error code SendInput left
};

// Posts the report to the tray window (to the tray thread when it has none).
void PostHookError(HookError error, DWORD code);
