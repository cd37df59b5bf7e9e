#include "hook/BrightnessWorker.h"

#include <winioctl.h>
// after winioctl.h, which it needs
#include <ntddvdeo.h>

namespace {

static_assert(sizeof(DISPLAY_BRIGHTNESS) == 3);

class DisplayDevice {
 public:
  explicit DisplayDevice(ActionSeam& seam)
      : m_seam(seam),
        m_handle(seam.OpenDevice(kDisplayDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                                 nullptr)) {}
  ~DisplayDevice() {
    if (*this) m_seam.CloseDevice(m_handle);
  }
  DisplayDevice(const DisplayDevice&) = delete;
  DisplayDevice& operator=(const DisplayDevice&) = delete;

  explicit operator bool() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return m_handle; }

 private:
  ActionSeam& m_seam;
  HANDLE m_handle;
};

}  // namespace

BrightnessWorker::BrightnessWorker(ActionSeam& seam)
    : m_seam(seam), m_wake(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
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

void BrightnessWorker::AnnounceTo(HWND window, UINT message) {
  m_listenerMessage = message;
  m_listener = window;
}

bool BrightnessWorker::TakeShown(BrightnessShown& shown) {
  const uint32_t value = m_shown.exchange(0);
  if (value == 0) return false;
  shown = {static_cast<int32_t>((value & 0xFFU) - 1), static_cast<ScreenCorner>(value >> 8U)};
  return true;
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
  if (m_displayChanged.exchange(false)) ReleaseMonitors();
  int32_t percent = 0;
  if (ApplyToPanel(steps, percent) || ApplyOverDdc(steps, percent)) Announce(percent);
}

// True when the panel took a level (`percent`); false when there is no panel.
bool BrightnessWorker::ApplyToPanel(int32_t steps, int32_t& percent) {
  DISPLAY_BRIGHTNESS reading{};
  bool queried = false;
  {
    const DisplayDevice display(m_seam);
    if (!display) return false;
    DWORD returned = 0;
    if (!m_levelsQueried) {
      // Some drivers support only some levels: a 2 % step between two of them
      // would be refused, and brightness would be stuck.
      uint8_t levels[256] = {};
      m_levelsQueried = true;
      if (m_seam.ControlDevice(display.get(), IOCTL_VIDEO_QUERY_SUPPORTED_BRIGHTNESS, nullptr, 0, levels,
                               sizeof(levels), &returned, nullptr)) {
        m_levels = SupportedLevels(levels, returned <= sizeof(levels) ? returned : 0);
      }
    }
    queried = m_seam.ControlDevice(display.get(), IOCTL_VIDEO_QUERY_DISPLAY_BRIGHTNESS, nullptr, 0, &reading,
                                   sizeof(reading), &returned, nullptr) != FALSE;
  }
  const int32_t current = CurrentBrightness(queried, reading.ucDCBrightness, m_lastBrightness);

  // Gone after the query: nothing is set, and no monitor is tried instead.
  const DisplayDevice display(m_seam);
  if (!display) return true;
  DISPLAY_BRIGHTNESS request{};
  request.ucDisplayPolicy = 0;
  request.ucACBrightness = 0;
  request.ucDCBrightness = m_levels.After(current, steps);
  DWORD returned = 0;
  if (m_seam.ControlDevice(display.get(), IOCTL_VIDEO_SET_DISPLAY_BRIGHTNESS, &request, sizeof(request), nullptr, 0,
                           &returned, nullptr)) {
    percent = request.ucDCBrightness;
    return true;
  }
  percent = -1;
  return true;
}

bool BrightnessWorker::ApplyOverDdc(int32_t steps, int32_t& percent) {
  if (!m_monitorsAcquired) {
    m_monitorsAcquired = true;
    m_seam.GetPrimaryPhysicalMonitors(m_monitors);
    m_monitorAnswers.assign(m_monitors.size(), true);
  }
  bool any = false;
  for (size_t i = 0; i < m_monitors.size(); ++i) {
    if (!m_monitorAnswers[i]) continue;
    DWORD minimum = 0;
    DWORD current = 0;
    DWORD maximum = 0;
    // A monitor that does not answer is left alone until the display changes:
    // each try can take a good part of a second.
    if (!m_seam.GetMonitorBrightness(m_monitors[i], &minimum, &current, &maximum) || maximum < minimum) {
      m_monitorAnswers[i] = false;
      continue;
    }
    const DWORD next = MonitorBrightnessAfterSteps(minimum, current, maximum, steps);
    if (!m_seam.SetMonitorBrightness(m_monitors[i], next)) {
      m_monitorAnswers[i] = false;
      continue;
    }
    if (!any) percent = MonitorPercent(minimum, next, maximum);
    any = true;
  }
  return any;
}

void BrightnessWorker::ReleaseMonitors() {
  if (!m_monitors.empty()) m_seam.DestroyPhysicalMonitors(m_monitors);
  m_monitors.clear();
  m_monitorAnswers.clear();
  m_monitorsAcquired = false;
}

void BrightnessWorker::Announce(int32_t percent) {
  if (percent < 0 || percent > 100) return;
  m_shown = static_cast<uint32_t>(percent + 1) | (static_cast<uint32_t>(m_corner.load()) << 8U);
  if (HWND window = m_listener.load()) ::PostMessageW(window, m_listenerMessage.load(), 0, 0);
}
