#pragma once
// The Settings dialog's decisions, apart from its controls.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Settings.h"

inline constexpr int kIntervalSliderMin = 10;
inline constexpr int kIntervalSliderMax = 1000;
inline constexpr int kIntervalSliderStep = 5;

// A slider position rounded down to a multiple of 5.
int SnapInterval(int position);

// The step sizes, percent per notch, as the file holds them. VolumeStep is even,
// 2 to 20: an odd value rounds down, anything else (not a number, under 2, over
// 20) is 2. BrightnessStep is 1 to 20, anything else 2.
int32_t ParseVolumeStep(std::wstring_view text);
int32_t ParseBrightnessStep(std::wstring_view text);

// A number typed into the dialog: within minimum..maximum, and a whole number
// of steps from the minimum (rounded down).
int32_t DialogNumber(int32_t typed, int32_t minimum, int32_t maximum, int32_t step);

// A text typed into a one-line field, as the file takes it: without
// surrounding blanks, and never more than one line.
std::wstring OneLineValue(std::wstring_view text);

enum class OkOutcome {
  KeepEverything,        // nothing was changed: nothing is written
  RefuseNoCornerAction,  // every corner is "none": refused, nothing is written
  Save,
};
OkOutcome DecideOk(bool changed, const Settings& settings);
