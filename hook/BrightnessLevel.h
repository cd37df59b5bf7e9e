#pragma once
// Brightness arithmetic: percentages 0 to 100, stepped by 2.
#include <cstdint>

inline constexpr int32_t kBrightnessStep = 2;
inline constexpr int32_t kInitialBrightness = 100;

// The level a step starts from: the display's answer when the query worked and
// the answer is a percentage (it is then remembered in `lastGood`), else `lastGood`.
int32_t CurrentBrightness(bool queried, uint8_t reported, int32_t& lastGood);

// One step up or down from `current`, kept within 0..100.
uint8_t NextBrightness(int32_t current, bool up);
