#pragma once
// What the stand-in Core Audio (StandInMmdevapi.cpp) serves, shared with the
// tests through named memory: three outputs, the default of each role, and
// the audio sessions on them, as a test sets them up and as the program under
// test leaves them.
#include <windows.h>

struct StandInSession {
  DWORD process;
  DWORD device;  // 0 to 2
  DWORD systemSounds;
  float level;
  DWORD muted;
};

struct StandInSound {
  LONG count;  // sessions in use
  StandInSession sessions[8];
  LONG listings;  // session lists handed out
  LONG defaults[3];  // the default output of each role (console, multimedia, communications)
};

inline constexpr const wchar_t* kStandInOutputs[] = {L"Speakers (Stand-in Audio)", L"Headphones (Stand-in Audio)",
                                                     L"Monitor & TV (Stand-in Audio)"};

inline constexpr wchar_t kStandInSoundName[] = L"Local\\BrimletStandInSound";

// The shared sessions, made on first use; null if they cannot be. The
// mapping stays open as long as `mapping` does.
inline StandInSound* OpenStandInSound(HANDLE& mapping) {
  mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(StandInSound),
                                 kStandInSoundName);
  if (mapping == nullptr) return nullptr;
  return static_cast<StandInSound*>(::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(StandInSound)));
}
