#pragma once
// Starts the step sound on a thread of its own: starting a sound stops one that
// is still playing, which can take long enough to push the mouse hook towards
// the system's time-out. Requests that arrive meanwhile become one sound.
#include "devices/Devices.h"
#include "framework/WorkerThread.h"

class StepSoundPlayer {
 public:
  explicit StepSoundPlayer(StepSound& sound) : m_sound(sound) { m_thread.Start<&StepSoundPlayer::Run>(*this); }
  // Lets a sound being started finish starting, then ends the thread.
  ~StepSoundPlayer() { m_thread.Stop(); }
  StepSoundPlayer(const StepSoundPlayer&) = delete;
  StepSoundPlayer& operator=(const StepSoundPlayer&) = delete;

  // From the hook: returns at once.
  void Request() const { m_thread.Wake(); }

 private:
  void Run() {
    while (m_thread.Wait()) m_sound.Play();
  }

  StepSound& m_sound;
  WorkerThread m_thread;
};
