#include "core/CornerWheel.h"

ScreenCorner CornerWheel::CornerOf(const MouseEvent& event) const {
  const CornerZones& zones = m_snapshot.zones;
  const Settings& settings = m_snapshot.settings;
  const bool top = event.y <= zones.topMaxY;
  const bool left = (top ? settings.topLeft : settings.bottomLeft) != 0 && event.x <= zones.leftMaxX;
  if (top) return left ? ScreenCorner::TopLeft : ScreenCorner::TopRight;
  return left ? ScreenCorner::BottomLeft : ScreenCorner::BottomRight;
}

WheelStep CornerWheel::VolumeStep(bool up, uint64_t now) {
  // The first volume turn only starts the clock (unless the interval is 0 or less).
  StartVolumeClock(m_lastVolumeStep, now);
  if (!VolumeIntervalElapsed(m_lastVolumeStep, now, m_snapshot.settings.volumeInterval)) return {};
  return {WheelStep::Kind::Volume, up, m_snapshot.settings.stepSound};
}
