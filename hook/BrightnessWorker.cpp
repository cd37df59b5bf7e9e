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
}

void BrightnessWorker::Step(bool up) {
  m_pendingSteps.fetch_add(up ? 1 : -1);
  ::SetEvent(m_wake.get());
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
  DISPLAY_BRIGHTNESS reading{};
  bool queried = false;
  {
    const DisplayDevice display(m_seam);
    // Without a device there is nothing to set either: a step from a guessed level
    // could send 0 percent to a display that answers a moment later.
    if (!display) return;
    DWORD returned = 0;
    queried = m_seam.ControlDevice(display.get(), IOCTL_VIDEO_QUERY_DISPLAY_BRIGHTNESS, nullptr, 0, &reading,
                                   sizeof(reading), &returned, nullptr) != FALSE;
  }
  const int32_t current = CurrentBrightness(queried, reading.ucDCBrightness, m_lastBrightness);

  const DisplayDevice display(m_seam);
  if (!display) return;
  DISPLAY_BRIGHTNESS request{};
  request.ucDisplayPolicy = 0;
  request.ucACBrightness = 0;
  request.ucDCBrightness = BrightnessAfterSteps(current, steps);
  DWORD returned = 0;
  m_seam.ControlDevice(display.get(), IOCTL_VIDEO_SET_DISPLAY_BRIGHTNESS, &request, sizeof(request), nullptr, 0,
                       &returned, nullptr);
}
