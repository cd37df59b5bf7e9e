#include "hook/BrightnessWorker.h"

BrightnessWorker::BrightnessWorker(Panel& panel, Monitors& monitors)
    : m_panel(panel), m_monitorLink(monitors), m_wake(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
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

void BrightnessWorker::Step(bool up, ScreenCorner corner) {
  m_corner = static_cast<uint8_t>(corner);
  m_pendingSteps.fetch_add(up ? 1 : -1);
  ::SetEvent(m_wake.get());
}

void BrightnessWorker::DisplayChanged() { m_displayChanged = true; }

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
  if (m_displayChanged.exchange(false)) ReleaseMonitors();
  int32_t percent = -1;
  if (!ApplyToPanel(steps, percent) && !ApplyOverDdc(steps, percent)) return;
  if (percent < 0 || percent > 100) return;
  m_shown.Replace({static_cast<int16_t>(percent), static_cast<ScreenCorner>(m_corner.load())});
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
  const int32_t current = CurrentBrightness(read == DeviceAnswer::Done, reading.onBattery, m_lastBrightness);

  PanelLevel request;
  request.onBattery = m_levels.After(current, steps);
  // Gone after the query: nothing is set, and no monitor is tried instead.
  if (m_panel.Write(request) == DeviceAnswer::Done) percent = request.onBattery;
  return true;
}

bool BrightnessWorker::ApplyOverDdc(int32_t steps, int32_t& percent) {
  if (!m_monitorsAcquired) {
    m_monitorsAcquired = true;
    m_monitorLink.List(m_monitors);
    m_monitorAnswers.assign(m_monitors.size(), true);
  }
  bool any = false;
  for (size_t i = 0; i < m_monitors.size(); ++i) {
    if (!m_monitorAnswers[i]) continue;
    // A monitor that does not answer is left alone until the display changes:
    // each try can take a good part of a second.
    MonitorLevel level;
    if (!m_monitorLink.Read(m_monitors[i], level) || level.maximum < level.minimum) {
      m_monitorAnswers[i] = false;
      continue;
    }
    const uint32_t next = MonitorBrightnessAfterSteps(level.minimum, level.current, level.maximum, steps);
    if (!m_monitorLink.Write(m_monitors[i], next)) {
      m_monitorAnswers[i] = false;
      continue;
    }
    if (!any) percent = MonitorPercent(level.minimum, next, level.maximum);
    any = true;
  }
  return any;
}

void BrightnessWorker::ReleaseMonitors() {
  if (!m_monitors.empty()) m_monitorLink.Release(m_monitors);
  m_monitors.clear();
  m_monitorAnswers.clear();
  m_monitorsAcquired = false;
}
