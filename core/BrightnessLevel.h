#pragma once
// Brightness arithmetic: percentages 0 to 100, stepped by 2.
#include <cstdint>

inline constexpr int32_t kBrightnessStep = 2;
inline constexpr int32_t kInitialBrightness = 100;

// The level a step starts from: the display's answer when the query worked and
// the answer is a percentage (it is then remembered in `lastGood`), else `lastGood`.
int32_t CurrentBrightness(bool queried, uint8_t reported, int32_t& lastGood);

// `steps` steps from `current` taken as one change (positive: up, negative: down),
// kept within 0..100. Turns that arrive while a change is on its way add up, so
// three turns up from 50 give 56.
uint8_t BrightnessAfterSteps(int32_t current, int32_t steps);

// One step up or down from `current`, kept within 0..100.
inline uint8_t NextBrightness(int32_t current, bool up) { return BrightnessAfterSteps(current, up ? 1 : -1); }
