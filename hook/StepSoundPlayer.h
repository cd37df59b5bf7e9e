#pragma once
// Starts the step sound on a thread of its own: starting a sound stops one that
// is still playing, which can take long enough to push the mouse hook towards
// the system's time-out. Requests that arrive meanwhile become one sound.
#include <windows.h>

#include <atomic>

#include "framework/UniqueHandle.h"
#include "hook/Devices.h"

class StepSoundPlayer {
 public:
  explicit StepSoundPlayer(StepSound& sound);
  // Lets a sound being started finish starting, then ends the thread.
  ~StepSoundPlayer();
  StepSoundPlayer(const StepSoundPlayer&) = delete;
  StepSoundPlayer& operator=(const StepSoundPlayer&) = delete;

  // From the hook: returns at once.
  void Request() { ::SetEvent(m_wake.get()); }

 private:
  static DWORD WINAPI ThreadMain(void* self);

  StepSound& m_sound;
  std::atomic<bool> m_stopping{false};
  UniqueKernelHandle m_wake;  // auto-reset: a sound is wanted, or the end
  UniqueKernelHandle m_thread;
};
