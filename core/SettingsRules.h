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

// A text typed into a one-line field, as the file takes it: without
// surrounding blanks, and never more than one line.
std::wstring OneLineValue(std::wstring_view text);

enum class OkOutcome {
  KeepEverything,        // nothing was changed: nothing is written
  RefuseNoCornerAction,  // nothing acts (no corner, edge, taskbar, held key or brightness key): refused
  Save,
};
OkOutcome DecideOk(bool changed, const Settings& settings);
