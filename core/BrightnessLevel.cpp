#include "core/BrightnessLevel.h"

#include <algorithm>

int32_t CurrentBrightness(bool queried, uint8_t reported, int32_t& lastGood) {
  if (queried && reported <= 100) lastGood = reported;
  return lastGood;
}

uint8_t BrightnessAfterSteps(int32_t current, int32_t steps) {
  const int64_t next = static_cast<int64_t>(current) + static_cast<int64_t>(steps) * kBrightnessStep;
  return static_cast<uint8_t>(std::clamp<int64_t>(next, 0, 100));
}
