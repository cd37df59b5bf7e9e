#include "devices/ProgramVolumeWorker.h"

#include <array>
#include <utility>
#include <vector>

ProgramVolumeWorker::ProgramVolumeWorker(ProgramSound& sound, Desktop& desktop) : m_sound(sound), m_desktop(desktop) {
  m_thread.Start<&ProgramVolumeWorker::Run>(*this);
}

void ProgramVolumeWorker::AnnounceTo(HWND window, UINT message) {
  m_message = message;
  m_window = window;
}

bool ProgramVolumeWorker::TakeShown(ProgramLevelShown& shown) {
  const SrwHold hold(m_shownLock);
  if (!std::exchange(m_shownWaits, false)) return false;
  shown = std::move(m_shown);
  return true;
}

void ProgramVolumeWorker::Run() {
  const ComApartment com(COINIT_MULTITHREADED);
  while (m_thread.Wait()) {
    std::array<ProgramVolumeRequest, kProgramVolumeSlots> requests;
    const size_t count = m_requests.TakeAll(requests);
    for (size_t i = 0; i < count; ++i) Apply(requests[i]);
  }
  m_sound.Close();
}

void ProgramVolumeWorker::Apply(const ProgramVolumeRequest& request) {
  SoundProgram program;
  if (!m_sound.ProgramOf(request.window, program)) return;
  std::vector<SoundSession> sessions;
  m_sound.Sessions(sessions);
  const ProgramSoundChange change =
      ChangeProgramSound(program.process, program.file, sessions, request,
                         [this](std::wstring_view a, std::wstring_view b) { return m_desktop.SameFileName(a, b); });
  if (!change.sessions.empty() && !change.changes) return;
  for (const size_t session : change.sessions) m_sound.Set(session, change.level, change.setsLevel, change.muted);
  {
    const SrwHold hold(m_shownLock);
    m_shown = {program.name, change.percent, change.muted, !change.sessions.empty()};
    m_shownWaits = true;
  }
  if (HWND window = m_window.load()) ::PostMessageW(window, m_message.load(), 0, 0);
}
