#pragma once
// The volume of one program: the notches and middle clicks on their way from
// the hook to the audio worker, and what they make of the program's audio
// sessions. A program's sound is every session of its process, or of any
// process running a file of the same name (browsers play from child
// processes), the system sounds aside; its sessions move together.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Desktop.h"

// Notches and clicks over one top-level window, added up while the worker is busy.
struct ProgramVolumeRequest {
  uint32_t window = 0;  // the window's handle (handles are 32 bits wide on every Windows)
  int32_t steps = 0;    // net notches; positive: louder
  uint8_t mutes = 0;    // middle clicks, each one muting or unmuting
  uint8_t stepPercent = 2;

  friend bool operator==(const ProgramVolumeRequest&, const ProgramVolumeRequest&) = default;
};

inline constexpr size_t kProgramVolumeSlots = 4;

class ProgramVolumeRequests {
 public:
  // From the hook, with one atomic operation or a few: adds to what waits for
  // the same window, else takes a free slot. False, adding nothing, when every
  // slot waits for another window (four windows within one worker's step).
  bool Add(const ProgramVolumeRequest& request);
  // From the worker: what waits, leaving out requests that cancelled out; every
  // slot is empty afterwards.
  size_t TakeAll(std::array<ProgramVolumeRequest, kProgramVolumeSlots>& taken);

 private:
  std::array<std::atomic<uint64_t>, kProgramVolumeSlots> m_slots{};
};

// One audio session as Windows lists it.
struct SoundSession {
  uint32_t process = 0;
  std::wstring program;  // the file name its process runs ("firefox.exe"); empty when unknown
  bool systemSounds = false;
  float level = 0;  // 0..1
  bool muted = false;
};

// What a request does to the program's sessions: those that count, and the
// level and mute they all get. No sessions: the program plays nothing.
struct ProgramSoundChange {
  std::vector<size_t> sessions;  // indexes into the list
  float level = 0;
  int32_t percent = 0;
  bool muted = false;
  bool setsLevel = false;  // notches came: the level is set, else each session keeps its own
  bool changes = false;    // false: notches and clicks cancelled out, nothing is set
};

// The change `request` makes to the sessions of the program that `process`
// runs, whose file is `program` (file names compared by `names`, as the file
// system does). Every session goes to the highest level among them plus or
// minus the steps, within 0..100, and a step unmutes, as the volume keys do.
// An odd number of clicks mutes them all, or unmutes them all when every one
// was muted.
ProgramSoundChange ChangeProgramSound(uint32_t process, const std::wstring& program,
                                      std::span<const SoundSession> sessions, const ProgramVolumeRequest& request,
                                      Desktop& names);
