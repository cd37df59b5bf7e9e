#include "core/CornerWheel.h"

bool CornerWheel::AddFraction(int32_t delta, const CornerHit& hit, uint64_t now) {
  const bool sameWay = (m_fraction > 0) == (delta > 0);
  const bool sameCorner = hit.corner == m_fractionCorner && hit.screen == m_fractionScreen;
  if (m_fraction == 0 || !sameWay || !sameCorner || now < m_fractionAt || now - m_fractionAt > kWheelFractionPauseMs) {
    m_fraction = 0;
  }
  m_fraction += delta;
  m_fractionCorner = hit.corner;
  m_fractionScreen = hit.screen;
  m_fractionAt = now;
  if (m_fraction > -kWheelNotch && m_fraction < kWheelNotch) return false;
  m_fraction -= delta > 0 ? kWheelNotch : -kWheelNotch;
  return true;
}

void CornerWheel::ForgetFractionOutside(const MouseEvent& event) {
  const CornerHit hit = CornerAt(event.x, event.y, m_snapshot.zones, m_snapshot.settings);
  if (hit.action == 0 || hit.corner != m_fractionCorner || hit.screen != m_fractionScreen) m_fraction = 0;
}

WheelStep CornerWheel::VolumeStep(bool up, uint64_t now, ScreenCorner corner) {
  // The first volume turn only starts the clock (unless the interval is 0 or less).
  if (m_lastVolumeStep == 0) m_lastVolumeStep = now;
  // Signed, so a clock that went backwards never looks like a long wait.
  const auto elapsed = static_cast<int64_t>(now - m_lastVolumeStep);
  if (elapsed < static_cast<int64_t>(m_snapshot.settings.volumeInterval)) return {};
  return {WheelStep::Kind::Volume, up, m_snapshot.settings.stepSound, corner};
}
