#pragma once
// The Settings dialog's decisions, apart from its controls.
#include "core/Settings.h"

inline constexpr int kIntervalSliderMin = 10;
inline constexpr int kIntervalSliderMax = 1000;
inline constexpr int kIntervalSliderStep = 5;

// A slider position rounded down to a multiple of 5.
int SnapInterval(int position);

enum class OkOutcome {
  KeepEverything,        // nothing was changed: nothing is written
  RefuseNoCornerAction,  // every corner is "none": refused, nothing is written
  Save,
};
OkOutcome DecideOk(bool changed, const Settings& settings);
