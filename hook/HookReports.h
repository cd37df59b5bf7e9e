#pragma once
// Failures inside the mouse hook are never shown there: a hook that waits for a
// person is skipped and, after a few time-outs, removed by the system for good.
// The hook leaves them here, inside the process, and wakes the tray window,
// which shows them once the hook has returned. A wake-up carries nothing, so a
// message another program posts cannot make a report up.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/ReportBoxes.h"

enum class HookError : uint32_t {
  MissingEventRecord = 1,  // code unused
  SendInputFailed = 2,     // code: the error SendInput left
};

class HookReports {
 public:
  // Where new reports are announced: `message` posted to `window`.
  void AnnounceTo(HWND window, UINT message);
  // Hook thread: never waits. While a report is waiting to be taken, further
  // ones are dropped; the tray shows one box at a time anyway.
  void Report(HookError error, DWORD code);
  // Tray thread: the waiting report, if any.
  bool Take(HookReport& report);

 private:
  std::atomic<uint64_t> m_waiting{0};  // error in the high half, code in the low; 0: none
  std::atomic<HWND> m_window{nullptr};
  std::atomic<UINT> m_message{0};
};
