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

 private:
  Desktop& m_desktop;
  ComPtr<IMMDeviceEnumerator> m_devices;  // made on the worker's thread, at its first request
  std::vector<ComPtr<ISimpleAudioVolume>> m_volumes;  // of the last list, in its order
};
