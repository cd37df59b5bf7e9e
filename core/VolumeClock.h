#pragma once
// Rate limit of the volume steps, over GetTickCount64 milliseconds.
#include <cstdint>

// Starts the clock at the first volume event (0 means no step yet), so that
// event is measured against itself and dropped unless the interval is 0 or less.
void StartVolumeClock(uint64_t& lastStepTick, uint64_t now);

// A step may run once `interval` milliseconds have passed since the last one ended.
bool VolumeIntervalElapsed(uint64_t lastStepTick, uint64_t now, int32_t interval);
