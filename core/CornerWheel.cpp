#include "core/CornerWheel.h"

WheelStep CornerWheel::OnWheel(const MouseEvent& event, Desktop& desktop, Clock& clock) {
  const CornerHit hit = CornerAt(event.x, event.y, m_snapshot.zones, m_snapshot.settings);
  if (hit.action == 0) {
    m_fraction = 0;
    return {};
  }
  if (!ActsIn(hit, desktop)) return {};
  const int32_t delta = WheelDelta(event.mouseData);
  if (delta == 0) return {};
  const bool up = delta > 0;
  if (delta > -kWheelNotch && delta < kWheelNotch) {
    if (!AddFraction(delta, hit, clock.NowMs())) return {};
  } else {
    m_fraction = 0;
  }
  const Settings& settings = m_snapshot.settings;
  if (hit.action == ActionCode(CornerAction::Brightness)) {
    WheelStep step{WheelStep::Kind::Brightness, up, false, hit.corner, {}};
    step.brightness.listVersion = m_snapshot.zones.listVersion;
    // With corners on every monitor, the monitor turned; else the panel wherever it is.
    step.brightness.target = settings.allScreens ? static_cast<uint8_t>(1 + hit.screen) : kPanelAnywhere;
    step.brightness.steps = up ? 1 : -1;
    step.brightness.corner = hit.corner;
    return step;
  }
  if (hit.action != ActionCode(CornerAction::Volume)) return {};
  return VolumeStep(up, clock.NowMs(), hit.corner);
}

bool CornerWheel::ActsIn(const CornerHit& hit, Desktop& desktop) const {
  if (!m_snapshot.settings.pauseInFullScreen) return true;
  // The corner's own monitor: the primary one unless every monitor has corners.
  const ScreenRect& monitor = m_snapshot.zones.screens[hit.screen].monitor;
  return !desktop.FullScreenOn(desktop.Foreground(), monitor);
}

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
  return {WheelStep::Kind::Volume, up, m_snapshot.settings.stepSound, corner, {}};
}
