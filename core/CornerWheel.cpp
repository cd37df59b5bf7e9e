#include "core/CornerWheel.h"

WheelStep CornerWheel::VolumeStep(bool up, uint64_t now) {
  // The first volume turn only starts the clock (unless the interval is 0 or less).
  StartVolumeClock(m_lastVolumeStep, now);
  if (!VolumeIntervalElapsed(m_lastVolumeStep, now, m_snapshot.settings.volumeInterval)) return {};
  return {WheelStep::Kind::Volume, up, m_snapshot.settings.stepSound};
}
