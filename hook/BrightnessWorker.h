#pragma once
// Brightness steps of the built-in display, off the hook's thread: the display
// driver may take its time, and the hook must return at once. Steps that arrive
// while one is on its way add up into one net change, so nothing is reordered
// and nothing piles up.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/BrightnessLevel.h"
#include "framework/UniqueHandle.h"
#include "hook/ActionSeam.h"

inline constexpr wchar_t kDisplayDevicePath[] = L"\\\\.\\LCD";

class BrightnessWorker {
 public:
  explicit BrightnessWorker(ActionSeam& seam);
  // Lets the step on its way finish, then ends the thread.
  ~BrightnessWorker();
  BrightnessWorker(const BrightnessWorker&) = delete;
  BrightnessWorker& operator=(const BrightnessWorker&) = delete;

  // From the hook: returns at once.
  void Step(bool up);
  // Ends the thread after the step on its way; steps not started are dropped.
  void Stop();

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Run();
  void Apply(int32_t steps);

  ActionSeam& m_seam;
  std::atomic<int32_t> m_pendingSteps{0};
  std::atomic<bool> m_stopping{false};
  UniqueKernelHandle m_wake;  // auto-reset: steps are waiting, or the end
  UniqueKernelHandle m_thread;
  int32_t m_lastBrightness = kInitialBrightness;  // the worker's own
};
