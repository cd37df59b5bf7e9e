#include "core/BrightnessLevel.h"

#include <algorithm>

uint8_t PanelSourceLevel(const PanelLevel& reading) {
  return reading.policy == kPanelOnMains ? reading.onMains : reading.onBattery;
}

PanelLevel PanelWithSourceLevel(const PanelLevel& reading, uint8_t level) {
  PanelLevel request = reading;
  if (reading.policy == kPanelOnMains) {
    request.onMains = level;
  } else {
    request.policy = kPanelOnBattery;
    request.onBattery = level;
  }
  return request;
}

uint8_t BrightnessAfterSteps(int32_t current, int32_t steps, int32_t stepPercent) {
  const int64_t next = static_cast<int64_t>(current) + static_cast<int64_t>(steps) * stepPercent;
  return static_cast<uint8_t>(std::clamp<int64_t>(next, 0, 100));
}

SupportedLevels::SupportedLevels(const uint8_t* levels, size_t count) {
  size_t distinct = 0;
  for (size_t i = 0; i < count; ++i) {
    if (levels[i] <= 100 && !m_supported[levels[i]]) {
      m_supported[levels[i]] = true;
      ++distinct;
    }
  }
  m_any = distinct == 0 || distinct == 101;
}

uint8_t SupportedLevels::After(int32_t current, int32_t steps, int32_t stepPercent) const {
  if (m_any) return BrightnessAfterSteps(current, steps, stepPercent);
  int32_t level = std::clamp<int32_t>(current, 0, 100);
  const int32_t direction = steps > 0 ? 1 : -1;
  for (int32_t step = 0; step != steps; step += direction) {
    int32_t beyond = -1;  // the nearest supported level beyond the current one
    int32_t atStep = -1;  // the nearest one at least a step away
    for (int32_t candidate = level + direction; candidate >= 0 && candidate <= 100; candidate += direction) {
      if (!m_supported[candidate]) continue;
      if (beyond < 0) beyond = candidate;
      if ((candidate - level) * direction >= stepPercent) {
        atStep = candidate;
        break;
      }
    }
    const int32_t next = atStep >= 0 ? atStep : beyond;
    if (next < 0) break;  // at the end
    level = next;
  }
  return static_cast<uint8_t>(level);
}

uint32_t MonitorBrightnessAfterSteps(uint32_t minimum, uint32_t current, uint32_t maximum, int32_t steps,
                                     int32_t stepPercent) {
  if (maximum < minimum) return current;
  const int64_t range = static_cast<int64_t>(maximum) - minimum;
  const int64_t step = std::max<int64_t>(1, range * stepPercent / 100);
  const int64_t next = static_cast<int64_t>(current) + step * steps;
  return static_cast<uint32_t>(std::clamp<int64_t>(next, minimum, maximum));
}

int32_t MonitorPercent(uint32_t minimum, uint32_t current, uint32_t maximum) {
  if (maximum <= minimum) return 100;
  const int64_t within = std::clamp<int64_t>(static_cast<int64_t>(current) - minimum, 0, maximum - minimum);
  return static_cast<int32_t>((within * 100 + (maximum - minimum) / 2) / (maximum - minimum));
}

bool MonitorMemory::Recent(uint64_t now, uint32_t& minimum, uint32_t& current, uint32_t& maximum) const {
  if (!m_set || now < m_setAt || now - m_setAt >= kMonitorSettleMs) return false;
  minimum = m_minimum;
  current = m_value;
  maximum = m_maximum;
  return true;
}

void MonitorMemory::Set(uint64_t now, uint32_t minimum, uint32_t value, uint32_t maximum) {
  m_set = true;
  m_setAt = now;
  m_minimum = minimum;
  m_value = value;
  m_maximum = maximum;
}
