#include "hook/BrightnessWorker.h"

BrightnessWorker::BrightnessWorker(Clock& clock, Panel& panel, Monitors& monitors)
    : m_clock(clock), m_panel(panel), m_monitorLink(monitors), m_wake(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
  if (m_wake) m_thread.reset(::CreateThread(nullptr, 0, &BrightnessWorker::ThreadMain, this, 0, nullptr));
}

BrightnessWorker::~BrightnessWorker() { Stop(); }

void BrightnessWorker::Stop() {
  if (!m_thread) return;
  m_stopping = true;
  ::SetEvent(m_wake.get());
  ::WaitForSingleObject(m_thread.get(), INFINITE);
  m_thread.reset();
  ReleaseMonitors();
}

void BrightnessWorker::Step(bool up, ScreenCorner corner, uint8_t screen, bool thatScreen) {
  m_target = static_cast<uint32_t>(corner) | (static_cast<uint32_t>(screen) << 8U) | (thatScreen ? 0x10000U : 0U);
  m_pendingSteps.fetch_add(up ? 1 : -1);
  ::SetEvent(m_wake.get());
}

void BrightnessWorker::DisplayChanged(const std::vector<ScreenRect>& screens) {
  {
    const SrwHold hold(m_screensLock);
    m_newScreens = screens;
  }
  m_displayChanged = true;
}

DWORD WINAPI BrightnessWorker::ThreadMain(void* self) {
  static_cast<BrightnessWorker*>(self)->Run();
  return 0;
}

void BrightnessWorker::Run() {
  while (::WaitForSingleObject(m_wake.get(), INFINITE) == WAIT_OBJECT_0 && !m_stopping) {
    const int32_t steps = m_pendingSteps.exchange(0);
    if (steps != 0) Apply(steps);
  }
}

void BrightnessWorker::Apply(int32_t steps) {
  if (m_displayChanged.exchange(false)) {
    ReleaseMonitors();
    const SrwHold hold(m_screensLock);
    m_screens = m_newScreens;
  }
  const uint32_t target = m_target.load();
  const auto screen = static_cast<uint8_t>(target >> 8U);
  const bool thatScreen = (target & 0x10000U) != 0 && screen < m_screens.size();
  int32_t percent = -1;
  if (thatScreen) {
    const ScreenRect& monitor = m_screens[screen];
    if (!(m_panel.Shows(monitor) && ApplyToPanel(steps, percent)) && !ApplyOverDdc(GroupFor(monitor), steps, percent)) {
      return;
    }
  } else {
    // The panel wherever it is, else the monitors behind the primary display.
    const ScreenRect primary = m_screens.empty() ? ScreenRect{} : m_screens[0];
    if (!ApplyToPanel(steps, percent) && !ApplyOverDdc(GroupFor(primary), steps, percent)) return;
  }
  if (percent < 0 || percent > 100) return;
  m_shown.Replace({static_cast<int16_t>(percent), static_cast<ScreenCorner>(target & 0xFFU), screen});
}

BrightnessWorker::MonitorGroup& BrightnessWorker::GroupFor(const ScreenRect& screen) {
  for (MonitorGroup& group : m_groups) {
    if (group.screen == screen) return group;
  }
  m_groups.emplace_back();
  m_groups.back().screen = screen;
  return m_groups.back();
}

// True when there is a panel; `percent` is the level it took, or -1.
bool BrightnessWorker::ApplyToPanel(int32_t steps, int32_t& percent) {
  if (!m_levelsQueried) {
    // Some drivers support only some levels: a 2 % step between two of them
    // would be refused, and brightness would be stuck.
    std::vector<uint8_t> levels;
    const DeviceAnswer answer = m_panel.SupportedLevels(levels);
    if (answer == DeviceAnswer::Absent) return false;
    m_levelsQueried = true;
    if (answer == DeviceAnswer::Done) m_levels = SupportedLevels(levels.data(), levels.size());
  }
  PanelLevel reading;
  const DeviceAnswer read = m_panel.Read(reading);
  if (read == DeviceAnswer::Absent) return false;
  // An unusable answer: the step starts from the last usable one.
  if (read == DeviceAnswer::Done && PanelSourceLevel(reading) <= 100) m_lastReading = reading;

  const uint8_t level = m_levels.After(PanelSourceLevel(m_lastReading), steps);
  // Gone after the query: nothing is set, and no monitor is tried instead.
  if (m_panel.Write(PanelWithSourceLevel(m_lastReading, level)) == DeviceAnswer::Done) percent = level;
  return true;
}

bool BrightnessWorker::ApplyOverDdc(MonitorGroup& group, int32_t steps, int32_t& percent) {
  const uint64_t now = m_clock.NowMs();
  // A list that failed or came back empty is asked for again, once per cool-down.
  if (!group.listed || (group.handles.empty() && now - group.listedAt >= kMonitorCoolDownMs)) {
    group.listed = true;
    group.listedAt = now;
    m_monitorLink.List(group.screen, group.handles);
    group.memories.assign(group.handles.size(), MonitorMemory());
  }
  bool any = false;
  for (size_t i = 0; i < group.handles.size(); ++i) {
    MonitorMemory& memory = group.memories[i];
    // Each try of a monitor that does not answer can take a good part of a second.
    if (!memory.Ready(now)) continue;
    MonitorLevel level;
    if (!memory.Recent(now, level.minimum, level.current, level.maximum) &&
        (!m_monitorLink.Read(group.handles[i], level) || level.maximum < level.minimum)) {
      memory.Failed(now);
      continue;
    }
    const uint32_t next = MonitorBrightnessAfterSteps(level.minimum, level.current, level.maximum, steps);
    if (!m_monitorLink.Write(group.handles[i], next)) {
      memory.Failed(now);
      continue;
    }
    memory.Set(m_clock.NowMs(), level.minimum, next, level.maximum);
    if (!any) percent = MonitorPercent(level.minimum, next, level.maximum);
    any = true;
  }
  return any;
}

void BrightnessWorker::ReleaseMonitors() {
  for (const MonitorGroup& group : m_groups) {
    if (!group.handles.empty()) m_monitorLink.Release(group.handles);
  }
  m_groups.clear();
}
