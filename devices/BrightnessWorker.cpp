#include "devices/BrightnessWorker.h"

#include <array>

BrightnessWorker::BrightnessWorker(Clock& clock, Panel& panel, Monitors& monitors)
    : m_clock(clock), m_panel(panel), m_monitorLink(monitors) {
  m_thread.Start<&BrightnessWorker::Run>(*this);
}

void BrightnessWorker::Stop() {
  if (!m_thread.Started()) return;
  m_thread.Stop();
  ReleaseMonitors();
}

void BrightnessWorker::TakeMonitors(const MonitorList& list) {
  {
    const SrwHold hold(m_listLock);
    m_newList = list;
  }
  m_listChanged = true;
}

void BrightnessWorker::Run() {
  while (m_thread.Wait()) {
    TakeNewMonitors();
    std::array<BrightnessRequest, kBrightnessTargets> requests;
    const size_t count = m_requests.TakeAll(requests);
    for (size_t i = 0; i < count; ++i) Apply(requests[i]);
  }
}

void BrightnessWorker::TakeNewMonitors() {
  if (!m_listChanged.exchange(false)) return;
  ReleaseMonitors();
  const SrwHold hold(m_listLock);
  m_list = m_newList;
}

void BrightnessWorker::Apply(const BrightnessRequest& request) {
  // A request made from another monitor list names a monitor that may be gone.
  if (request.listVersion != m_list.version) return;
  int32_t percent = -1;
  if (request.target == kPanelAnywhere) {
    // The panel wherever it is, else the monitors behind the primary display.
    const ScreenRect primary = m_list.monitors.empty() ? ScreenRect{} : m_list.monitors[0];
    if (!ApplyToPanel(request, percent) && !ApplyOverDdc(GroupFor(primary), request, percent)) return;
  } else {
    const size_t index = request.target - 1U;
    if (index >= m_list.monitors.size()) return;
    const ScreenRect& monitor = m_list.monitors[index];
    if (!(m_panel.Shows(monitor) && ApplyToPanel(request, percent)) &&
        !ApplyOverDdc(GroupFor(monitor), request, percent)) {
      return;
    }
  }
  if (percent < 0 || percent > 100) return;
  m_shown.Replace({request.listVersion, static_cast<int8_t>(percent), request.corner, request.target});
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
bool BrightnessWorker::ApplyToPanel(const BrightnessRequest& request, int32_t& percent) {
  if (!m_levelsQueried) {
    // Some drivers support only some levels: a step between two of them would
    // be refused, and brightness would be stuck.
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

  const uint8_t level = m_levels.After(PanelSourceLevel(m_lastReading), request.steps, request.stepPercent);
  // Gone after the query: nothing is set, and no monitor is tried instead.
  if (m_panel.Write(PanelWithSourceLevel(m_lastReading, level)) == DeviceAnswer::Done) percent = level;
  return true;
}

bool BrightnessWorker::ApplyOverDdc(MonitorGroup& group, const BrightnessRequest& request, int32_t& percent) {
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
    const uint32_t next =
        MonitorBrightnessAfterSteps(level.minimum, level.current, level.maximum, request.steps, request.stepPercent);
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
