#include "core/CornerWheel.h"

#include <algorithm>

ZoneHit CornerWheel::ZoneOf(ZoneKind kind, int32_t x, int32_t y, Desktop* desktop) const {
  const ScreenZones& zones = m_snapshot.zones;
  const Settings& settings = m_snapshot.settings;
  switch (kind) {
    case ZoneKind::Corner:
      return CornerAt(x, y, zones, settings);
    case ZoneKind::Edge:
      return EdgeAt(x, y, zones, settings);
    case ZoneKind::Taskbar: {
      // The window under the pointer is looked at only for a wheel turn, and
      // only when the taskbar has an action.
      if (settings.taskbar == kActionNone || desktop == nullptr) return {};
      const int screen = ScreenAt(x, y, zones);
      if (screen < 0 || !(OnTaskbarStrip(x, y, zones) || desktop->OverTaskbar(x, y))) return {};
      const auto index = static_cast<uint8_t>(screen);
      return {settings.taskbar, ZoneKind::Taskbar, NearestCorner(x, y, zones.screens[index].monitor),
              ScreenEdge::Top, index};
    }
    case ZoneKind::None:
    case ZoneKind::HeldKey:
    case ZoneKind::ProgramKey:
      break;
  }
  return {};
}

ZoneHit CornerWheel::ZoneOfWheel(int32_t x, int32_t y, Desktop& desktop) const {
  for (const ZoneKind kind : kZonePrecedence) {
    if (const ZoneHit hit = ZoneOf(kind, x, y, &desktop); hit.action != kActionNone) return hit;
  }
  return {};
}

WheelStep CornerWheel::OnWheel(const MouseEvent& event, Desktop& desktop, Clock& clock) {
  if (MasksModifiers()) {
    const uint8_t held = desktop.HeldModifiers();
    if (m_programKey != 0 && held == m_programKey) return OnProgramKeyWheel(event, desktop, clock);
    if (m_heldKey != 0 && held == m_heldKey) return OnHeldKeyWheel(event, desktop, clock);
    if ((held & (m_heldKey | m_programKey)) == 0) m_holdMasked = false;  // let go, should the keyboard not have said so
  }
  const ZoneHit hit = ZoneOfWheel(event.x, event.y, desktop);
  if (hit.action == kActionNone) {
    m_fraction = 0;
    return {};
  }
  if (!ActsIn(hit, desktop)) return {};
  WheelStep step = StepIn(hit, event, clock);
  step.swallow = TraitsOf(hit.kind).keepsTurns;
  return step;
}

WheelStep CornerWheel::OnHeldKeyWheel(const MouseEvent& event, Desktop& desktop, Clock& clock) {
  const ScreenZones& zones = m_snapshot.zones;
  const int screen = ScreenAt(event.x, event.y, zones);
  if (screen < 0) return {};
  if (m_programs.IgnoresAny() && VerdictOn(desktop.Foreground(), desktop).ignored) return {};
  const auto index = static_cast<uint8_t>(screen);
  const int32_t action = m_snapshot.settings.keyWheelAction;
  const ZoneHit hit{action, ZoneKind::HeldKey, NearestCorner(event.x, event.y, zones.screens[index].monitor),
                    ScreenEdge::Top, index};
  WheelStep step = StepIn(hit, event, clock);
  step.swallow = TraitsOf(hit.kind).keepsTurns;  // no window scrolls or zooms by it
  MaskHold(step);
  return step;
}

WheelStep CornerWheel::OnProgramKeyWheel(const MouseEvent& event, Desktop& desktop, Clock& clock) {
  const int screen = ScreenAt(event.x, event.y, m_snapshot.zones);
  if (screen < 0) return {};
  if (m_programs.IgnoresAny() && VerdictOn(desktop.Foreground(), desktop).ignored) return {};
  const int32_t delta = WheelDelta(event.mouseData);
  if (delta == 0) return {};
  const ZoneHit hit{kActionVolume, ZoneKind::ProgramKey, ScreenCorner::TopLeft, ScreenEdge::Top,
                    static_cast<uint8_t>(screen)};
  if (delta > -kWheelNotch && delta < kWheelNotch) {
    if (!AddFraction(delta, hit, clock.NowMs())) return {.swallow = true};
  } else {
    m_fraction = 0;
  }
  WheelStep step{.kind = WheelStep::Kind::ProgramVolume,
                 .up = delta > 0,
                 .stepPercent = static_cast<uint8_t>(m_snapshot.settings.volumeStep),
                 .swallow = true};
  MaskHold(step);
  return step;
}

void CornerWheel::MaskHold(WheelStep& step) {
  if (m_holdMasked) return;
  step.maskModifier = true;
  m_holdMasked = true;
}

WheelStep CornerWheel::StepIn(const ZoneHit& hit, const MouseEvent& event, Clock& clock) {
  const int32_t delta = WheelDelta(event.mouseData);
  if (delta == 0) return {};
  const bool up = delta > 0;
  uint64_t now = 0;  // asked once, and only when a step needs it
  if (delta > -kWheelNotch && delta < kWheelNotch) {
    now = clock.NowMs();
    if (!AddFraction(delta, hit, now)) return {};
  } else {
    m_fraction = 0;
  }
  const Settings& settings = m_snapshot.settings;
  const WheelAction* action = ActionOf(hit.action);
  const StepKind kind = action != nullptr ? action->step : StepKind::None;
  if (kind == StepKind::Brightness) {
    WheelStep step{.kind = WheelStep::Kind::Brightness, .up = up, .corner = hit.corner};
    step.brightness.listVersion = m_snapshot.zones.listVersion;
    // A taskbar's own monitor, the one under a held key, a corner's or an
    // edge's with zones on every monitor; else the panel wherever it is.
    const bool ownMonitor = TraitsOf(hit.kind).wholeMonitor || settings.allScreens;
    step.brightness.target = ownMonitor ? static_cast<uint8_t>(1 + hit.screen) : kPanelAnywhere;
    step.brightness.steps = up ? 1 : -1;
    step.brightness.stepPercent = static_cast<uint8_t>(settings.brightnessStep);
    step.brightness.corner = hit.corner;
    return step;
  }
  if (kind != StepKind::Volume) return {};
  return VolumeStep(up, now != 0 ? now : clock.NowMs(), hit.corner);
}

WheelStep CornerWheel::OnMiddlePress(const MouseEvent& event, Desktop& desktop) {
  m_middlePressKept = false;
  if (m_programKey != 0 && desktop.HeldModifiers() == m_programKey &&
      ScreenAt(event.x, event.y, m_snapshot.zones) >= 0 &&
      !(m_programs.IgnoresAny() && VerdictOn(desktop.Foreground(), desktop).ignored)) {
    m_middlePressKept = true;
    WheelStep step{.kind = WheelStep::Kind::ProgramMute,
                   .stepPercent = static_cast<uint8_t>(m_snapshot.settings.volumeStep),
                   .swallow = true};
    MaskHold(step);
    return step;
  }
  if (!m_snapshot.settings.middleClickMute) return {};
  const ZoneHit hit = CornerAt(event.x, event.y, m_snapshot.zones, m_snapshot.settings);
  if (hit.action != kActionVolume || !ActsIn(hit, desktop)) return {};
  m_middlePressKept = true;
  return {.kind = WheelStep::Kind::Mute, .swallow = true, .corner = hit.corner};
}

bool CornerWheel::ActsIn(const ZoneHit& hit, Desktop& desktop) {
  const ProgramRules& programs = m_programs;
  const bool pause = m_snapshot.settings.pauseInFullScreen;
  if (!pause && !programs.IgnoresAny()) return true;
  const ForegroundWindow front = desktop.Foreground();
  if (programs.IgnoresAny() && VerdictOn(front, desktop).ignored) return false;
  // The zone's own monitor.
  if (!pause || !desktop.FullScreenOn(front, m_snapshot.zones.screens[hit.screen].monitor)) return true;
  return programs.ActsInFullScreenForAny() && VerdictOn(front, desktop).actsInFullScreen;
}

const ProgramVerdict& CornerWheel::VerdictOn(const ForegroundWindow& front, Desktop& desktop) {
  if (!m_verdictKnown || !(front == m_verdictFor)) {
    // No window in front: no program, and no name to read.
    m_verdict = front.window == 0 ? ProgramVerdict{} : m_programs.For(desktop.ProgramName(front.process), desktop);
    m_verdictFor = front;
    m_verdictKnown = true;
  }
  return m_verdict;
}

bool CornerWheel::AddFraction(int32_t delta, const ZoneHit& hit, uint64_t now) {
  const bool sameWay = (m_fraction > 0) == (delta > 0);
  if (m_fraction == 0 || !sameWay || !hit.SameZone(m_fractionZone) || now < m_fractionAt ||
      now - m_fractionAt > kWheelFractionPauseMs) {
    m_fraction = 0;
  }
  m_fraction += delta;
  m_fractionZone = hit;
  m_fractionAt = now;
  if (m_fraction > -kWheelNotch && m_fraction < kWheelNotch) return false;
  m_fraction -= delta > 0 ? kWheelNotch : -kWheelNotch;
  return true;
}

// A move out of the zone the sum was made in forgets it. A whole-monitor zone
// (a taskbar, a held key) is not looked for on a move (that would ask the
// desktop): leaving the monitor does.
void CornerWheel::ForgetFractionOutside(const MouseEvent& event) {
  if (TraitsOf(m_fractionZone.kind).wholeMonitor) {
    if (ScreenAt(event.x, event.y, m_snapshot.zones) != m_fractionZone.screen) m_fraction = 0;
    return;
  }
  ZoneHit hit;
  for (const ZoneKind kind : kZonePrecedence) {
    hit = ZoneOf(kind, event.x, event.y, nullptr);
    if (hit.action != kActionNone) break;
  }
  if (hit.action == kActionNone || !hit.SameZone(m_fractionZone)) m_fraction = 0;
}

WheelStep CornerWheel::VolumeStep(bool up, uint64_t now, ScreenCorner corner) {
  // The first volume turn only starts the clock (unless the interval is 0 or less).
  if (m_lastVolumeStep == 0) m_lastVolumeStep = now;
  // Signed, so a clock that went backwards never looks like a long wait.
  const auto elapsed = static_cast<int64_t>(now - m_lastVolumeStep);
  if (elapsed < static_cast<int64_t>(m_snapshot.settings.volumeInterval)) return {};
  // Each press of the volume key moves the volume by 2 %.
  return {.kind = WheelStep::Kind::Volume,
          .up = up,
          .sound = m_snapshot.settings.stepSound,
          .presses = std::max(1, m_snapshot.settings.volumeStep / 2),
          .corner = corner};
}
