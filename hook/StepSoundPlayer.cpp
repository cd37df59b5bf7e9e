#include "hook/StepSoundPlayer.h"

StepSoundPlayer::StepSoundPlayer(StepSound& sound)
    : m_sound(sound), m_wake(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
  if (m_wake) m_thread.reset(::CreateThread(nullptr, 0, &StepSoundPlayer::ThreadMain, this, 0, nullptr));
}

StepSoundPlayer::~StepSoundPlayer() {
  if (!m_thread) return;
  m_stopping = true;
  ::SetEvent(m_wake.get());
  ::WaitForSingleObject(m_thread.get(), INFINITE);
}

DWORD WINAPI StepSoundPlayer::ThreadMain(void* parameter) {
  auto& self = *static_cast<StepSoundPlayer*>(parameter);
  while (::WaitForSingleObject(self.m_wake.get(), INFINITE) == WAIT_OBJECT_0 && !self.m_stopping) {
    self.m_sound.Play();
  }
  return 0;
}
