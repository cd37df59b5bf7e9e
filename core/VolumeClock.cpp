#include "core/VolumeClock.h"

void StartVolumeClock(uint64_t& lastStepTick, uint64_t now) {
  if (lastStepTick == 0) lastStepTick = now;
}

bool VolumeIntervalElapsed(uint64_t lastStepTick, uint64_t now, int32_t interval) {
  const auto elapsed = static_cast<int64_t>(now - lastStepTick);
  return elapsed >= static_cast<int64_t>(interval);
}
