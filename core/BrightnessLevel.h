#pragma once
// Brightness arithmetic: percentages 0 to 100, stepped by the step size the
// user chose (2 % unless the settings say otherwise).
#include <cstddef>
#include <cstdint>

inline constexpr int32_t kBrightnessStep = 2;

// A built-in panel's brightness as its driver reports and takes it: the power
// source it runs on, and a level for each source.
inline constexpr uint8_t kPanelOnMains = 1;
inline constexpr uint8_t kPanelOnBattery = 2;
struct PanelLevel {
  uint8_t policy = kPanelOnBattery;
  uint8_t onMains = 100;
  uint8_t onBattery = 100;
};

// The level of the source the panel runs on: the mains level when the policy
// says mains, the battery level for any other policy.
uint8_t PanelSourceLevel(const PanelLevel& reading);
// `level` set for the source the panel runs on, with that source's policy; the
// other source's level stays as read.
PanelLevel PanelWithSourceLevel(const PanelLevel& reading, uint8_t level);

// `steps` steps of `stepPercent` from `current` taken as one change (positive:
// up, negative: down), kept within 0..100. Turns that arrive while a change is
// on its way add up, so three turns up from 50 give 56.
uint8_t BrightnessAfterSteps(int32_t current, int32_t steps, int32_t stepPercent = kBrightnessStep);

// The levels a built-in panel supports, as its driver lists them (0..100 each).
// Empty, or every level from 0 to 100: any level goes.
class SupportedLevels {
 public:
  SupportedLevels() = default;
  explicit SupportedLevels(const uint8_t* levels, size_t count);
  bool Any() const { return m_any; }

  // `steps` steps from `current` (positive: up). With any level supported, as
  // BrightnessAfterSteps. Otherwise each step goes to the nearest supported
  // level at least `stepPercent` away, or else the nearest beyond the current
  // one, so it is never stuck and never goes backwards; at the ends it stays.
  uint8_t After(int32_t current, int32_t steps, int32_t stepPercent = kBrightnessStep) const;

 private:
  bool m_any = true;
  bool m_supported[101] = {};
};

// A monitor's brightness over DDC/CI runs from `minimum` to `maximum` in its own
// units: `steps` steps of `stepPercent` of that range (at least 1) from
// `current`, clamped.
uint32_t MonitorBrightnessAfterSteps(uint32_t minimum, uint32_t current, uint32_t maximum, int32_t steps,
                                     int32_t stepPercent = kBrightnessStep);

// A level for showing: a monitor's value as a percentage of its range.
int32_t MonitorPercent(uint32_t minimum, uint32_t current, uint32_t maximum);

// DDC/CI is unreliable by nature (a monitor busy with its own menu, waking from
// standby, a slow switch): a monitor that failed is set aside for a while and
// then tried again, at most once per cool-down; and a monitor may report its
// old level for a moment after a set, so for a while after a set the level set
// is where the next step starts, not what the monitor says.
inline constexpr uint64_t kMonitorCoolDownMs = 5000;
inline constexpr uint64_t kMonitorSettleMs = 1500;

class MonitorMemory {
 public:
  // May the monitor be tried at `now`?
  bool Ready(uint64_t now) const { return now >= m_retryAt; }
  void Failed(uint64_t now) { m_retryAt = now + kMonitorCoolDownMs; }
  // Where a step at `now` starts: the level set within the settle time, else
  // none (read the monitor).
  bool Recent(uint64_t now, uint32_t& minimum, uint32_t& current, uint32_t& maximum) const;
  void Set(uint64_t now, uint32_t minimum, uint32_t value, uint32_t maximum);

 private:
  uint64_t m_retryAt = 0;
  bool m_set = false;
  uint64_t m_setAt = 0;
  uint32_t m_minimum = 0;
  uint32_t m_value = 0;
  uint32_t m_maximum = 0;
};
