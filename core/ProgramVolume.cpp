#include "core/ProgramVolume.h"

#include <algorithm>

namespace {

// A slot packs one request: the window in the low 32 bits, then the steps (16
// bits, signed), the clicks (7 bits), the step size (8 bits), and "full".
constexpr uint64_t kFull = uint64_t{1} << 63U;
constexpr int32_t kMostSteps = 30000;  // far past 0..100 in any step size

uint64_t Pack(const ProgramVolumeRequest& request) {
  const auto steps = static_cast<uint16_t>(static_cast<int16_t>(std::clamp(request.steps, -kMostSteps, kMostSteps)));
  return kFull | request.window | (uint64_t{steps} << 32U) | (uint64_t{request.mutes & 0x7FU} << 48U) |
         (uint64_t{request.stepPercent} << 55U);
}

ProgramVolumeRequest Unpack(uint64_t slot) {
  return {static_cast<uint32_t>(slot), static_cast<int16_t>(static_cast<uint16_t>(slot >> 32U)),
          static_cast<uint8_t>((slot >> 48U) & 0x7FU), static_cast<uint8_t>(slot >> 55U)};
}

}  // namespace

bool ProgramVolumeRequests::Add(const ProgramVolumeRequest& request) {
  for (;;) {
    std::atomic<uint64_t>* free = nullptr;
    for (std::atomic<uint64_t>& slot : m_slots) {
      uint64_t waiting = slot.load();
      if (waiting == 0) {
        if (free == nullptr) free = &slot;
        continue;
      }
      if (static_cast<uint32_t>(waiting) != request.window) continue;
      ProgramVolumeRequest merged = request;
      const ProgramVolumeRequest before = Unpack(waiting);
      merged.steps += before.steps;
      merged.mutes = static_cast<uint8_t>((merged.mutes + before.mutes) & 1U);  // only whether it is odd counts
      if (slot.compare_exchange_strong(waiting, Pack(merged))) return true;
      // Taken by the worker meanwhile: look again.
      free = nullptr;
      break;
    }
    if (free == nullptr) {
      // Every slot waits for another window, unless one was just taken.
      if (std::none_of(m_slots.begin(), m_slots.end(), [](const auto& slot) { return slot.load() == 0; })) return false;
      continue;
    }
    uint64_t empty = 0;
    if (free->compare_exchange_strong(empty, Pack(request))) return true;
  }
}

size_t ProgramVolumeRequests::TakeAll(std::array<ProgramVolumeRequest, kProgramVolumeSlots>& taken) {
  size_t count = 0;
  for (std::atomic<uint64_t>& slot : m_slots) {
    const uint64_t waiting = slot.exchange(0);
    if (waiting == 0) continue;
    const ProgramVolumeRequest request = Unpack(waiting);
    if (request.steps != 0 || request.mutes % 2 != 0) taken[count++] = request;
  }
  return count;
}

namespace {

// The level a session shows, in whole percent.
int32_t LevelPercent(float level) { return static_cast<int32_t>(std::clamp(level, 0.0F, 1.0F) * 100.0F + 0.5F); }

}  // namespace

ProgramSoundChange ChangeProgramSound(uint32_t process, const std::wstring& program,
                                      std::span<const SoundSession> sessions, const ProgramVolumeRequest& request,
                                      Desktop& names) {
  ProgramSoundChange change;
  for (size_t i = 0; i < sessions.size(); ++i) {
    const SoundSession& session = sessions[i];
    if (session.systemSounds) continue;
    if (session.process == process ||
        (!program.empty() && !session.program.empty() && names.SameFileName(session.program, program))) {
      change.sessions.push_back(i);
    }
  }
  if (change.sessions.empty()) return change;
  int32_t highest = 0;
  bool allMuted = true;
  for (const size_t index : change.sessions) {
    highest = std::max(highest, LevelPercent(sessions[index].level));
    allMuted = allMuted && sessions[index].muted;
  }
  const int64_t moved = int64_t{highest} + int64_t{request.steps} * request.stepPercent;
  change.percent = static_cast<int32_t>(std::clamp<int64_t>(moved, 0, 100));
  change.level = static_cast<float>(change.percent) / 100.0F;
  change.muted = request.mutes % 2 != 0 ? !allMuted : (request.steps != 0 ? false : allMuted);
  change.setsLevel = request.steps != 0;
  change.changes = change.setsLevel || request.mutes % 2 != 0;
  return change;
}
