#pragma once
// Windows' own audio sessions, through Core Audio, on the audio worker's thread.
#include <windows.h>

#include <audiopolicy.h>
#include <mmdeviceapi.h>

#include <vector>

#include "devices/Devices.h"
#include "framework/UniqueHandle.h"

class SystemSound final : public ProgramSound {
 public:
  // `desktop` names the program a process runs.
  explicit SystemSound(Desktop& desktop) : m_desktop(desktop) {}

  bool ProgramOf(uint64_t window, SoundProgram& program) override;
  bool Sessions(std::vector<SoundSession>& sessions) override;
  bool Set(size_t session, float level, bool setLevel, bool muted) override;
  void Close() override;

 private:
  Desktop& m_desktop;
  ComPtr<IMMDeviceEnumerator> m_devices;  // made on the worker's thread, at its first request
  std::vector<ComPtr<ISimpleAudioVolume>> m_volumes;  // of the last list, in its order
  // The last program found, by its window and that window's process: its
  // name is read from its file's version record once for a run of notches.
  uint64_t m_lastWindow = 0;
  uint32_t m_lastWindowProcess = 0;
  SoundProgram m_lastProgram;
};
