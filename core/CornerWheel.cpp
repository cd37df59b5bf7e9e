#include "core/CornerWheel.h"

bool WheelTurnedUp(uint32_t mouseData) {
  const auto delta = static_cast<int16_t>(static_cast<uint16_t>(mouseData >> 16U));
  return delta > 0;
}

WheelStep CornerWheel::VolumeStep(bool up, uint64_t now, ScreenCorner corner) {
  // The first volume turn only starts the clock (unless the interval is 0 or less).
  if (m_lastVolumeStep == 0) m_lastVolumeStep = now;
  // Signed, so a clock that went backwards never looks like a long wait.
  const auto elapsed = static_cast<int64_t>(now - m_lastVolumeStep);
  if (elapsed < static_cast<int64_t>(m_snapshot.settings.volumeInterval)) return {};
  return {WheelStep::Kind::Volume, up, m_snapshot.settings.stepSound, corner};
}
