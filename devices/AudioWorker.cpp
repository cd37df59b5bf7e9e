#include "devices/AudioWorker.h"

#include <array>
#include <utility>

AudioWorker::AudioWorker(ProgramSound& sound, Outputs& outputs, Desktop& desktop)
    : m_sound(sound), m_outputs(outputs), m_desktop(desktop) {
  m_thread.Start<&AudioWorker::Run>(*this);
}

void AudioWorker::SwitchOutput(std::wstring id) {
  {
    const SrwHold hold(m_lock);
    m_switchTo = std::move(id);
  }
  m_thread.Wake();
}

void AudioWorker::NextOutput(std::vector<std::wstring> chosen) {
  {
    const SrwHold hold(m_lock);
    m_next = std::move(chosen);
  }
  m_thread.Wake();
}

void AudioWorker::AnnounceTo(HWND window, UINT message) {
  m_message = message;
  m_window = window;
}

bool AudioWorker::TakeShown(AudioShown& shown) {
  const SrwHold hold(m_lock);
  if (!std::exchange(m_shownWaits, false)) return false;
  shown = std::move(m_shown);
  return true;
}

void AudioWorker::Show(AudioShown shown) {
  {
    const SrwHold hold(m_lock);
    m_shown = std::move(shown);
    m_shownWaits = true;
  }
  if (HWND window = m_window.load()) ::PostMessageW(window, m_message.load(), 0, 0);
}

void AudioWorker::Run() {
  const ComApartment com(COINIT_MULTITHREADED);
  while (m_thread.Wait()) {
    std::array<ProgramVolumeRequest, kProgramVolumeSlots> requests;
    const size_t count = m_requests.TakeAll(requests);
    for (size_t i = 0; i < count; ++i) Apply(requests[i]);
    SwitchOutputs();
  }
  m_sound.Close();
}

void AudioWorker::Apply(const ProgramVolumeRequest& request) {
  SoundProgram program;
  if (!m_sound.ProgramOf(request.window, program)) return;
  std::vector<SoundSession> sessions;
  m_sound.Sessions(sessions);
  const ProgramSoundChange change = ChangeProgramSound(program.process, program.file, sessions, request, m_desktop);
  if (!change.sessions.empty() && !change.changes) return;
  for (const size_t session : change.sessions) m_sound.Set(session, change.level, change.setsLevel, change.muted);
  Show({program.name, change.percent, change.muted, !change.sessions.empty()});
}

void AudioWorker::SwitchOutputs() {
  std::optional<std::wstring> switchTo;
  std::optional<std::vector<std::wstring>> next;
  {
    const SrwHold hold(m_lock);
    switchTo.swap(m_switchTo);
    next.swap(m_next);
  }
  if (switchTo) m_outputs.MakeDefault(*switchTo);
  if (!next) return;
  std::vector<OutputDevice> outputs;
  m_outputs.List(outputs);
  const size_t to = ::NextOutput(outputs, *next, m_desktop);
  if (to == kNoOutput || !m_outputs.MakeDefault(outputs[to].id)) return;
  Show({.name = outputs[to].name, .output = true});
}
