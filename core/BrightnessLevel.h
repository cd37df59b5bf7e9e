#pragma once
// Brightness arithmetic: percentages 0 to 100, stepped by 2.
#include <cstddef>
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

// The levels a built-in panel supports, as its driver lists them (0..100 each).
// Empty, or every level from 0 to 100: any level goes.
class SupportedLevels {
 public:
  SupportedLevels() = default;
  explicit SupportedLevels(const uint8_t* levels, size_t count);
  bool Any() const { return m_any; }

  // `steps` steps from `current` (positive: up). With any level supported, as
  // BrightnessAfterSteps. Otherwise each step goes to the nearest supported
  // level at or beyond the 2 % step, or else the nearest beyond the current one,
  // so it is never stuck and never goes backwards; at the ends it stays.
  uint8_t After(int32_t current, int32_t steps) const;

 private:
  bool m_any = true;
  bool m_supported[101] = {};
};

// A monitor's brightness over DDC/CI runs from `minimum` to `maximum` in its own
// units: `steps` steps of 2 % of that range (at least 1) from `current`, clamped.
uint32_t MonitorBrightnessAfterSteps(uint32_t minimum, uint32_t current, uint32_t maximum, int32_t steps);

// A level for showing: a monitor's value as a percentage of its range.
int32_t MonitorPercent(uint32_t minimum, uint32_t current, uint32_t maximum);
