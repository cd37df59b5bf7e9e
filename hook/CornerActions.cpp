#include "hook/CornerActions.h"

#include <windows.h>

#include <mmsystem.h>
#include <winioctl.h>
// after winioctl.h, which it needs
#include <ntddvdeo.h>

#include "app/BrimletApp.h"
#include "config/LoadSettings.h"
#include "framework/UniqueHandle.h"
#include "hook/ActionSeam.h"
#include "hook/BrightnessLevel.h"
#include "hook/VolumeClock.h"

bool g_volumeSettingsLoaded = false;
bool g_volumeSound = false;
int32_t g_volumeInterval = 100;
uint64_t g_lastVolumeStepTick = 0;
int32_t g_lastBrightness = kInitialBrightness;

namespace {

static_assert(sizeof(DISPLAY_BRIGHTNESS) == 3);

struct DisplayDeviceTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { g_actionSeam->closeHandle(h); }
};
using DisplayDevice = UniqueHandle<DisplayDeviceTraits>;

DisplayDevice OpenDisplay() {
  return DisplayDevice(g_actionSeam->createFile(DISPLAY_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
}

void RunVolumeStep(bool up) {
  if (!g_volumeSettingsLoaded) {
    const Settings loaded = LoadSettings(theApp.m_configPath);
    g_volumeSettingsLoaded = true;
    g_volumeSound = loaded.Sound;
    g_volumeInterval = loaded.Interval;
  }
  const ActionSeam& seam = *g_actionSeam;
  StartVolumeClock(g_lastVolumeStepTick, seam.tickCount());
  if (!VolumeIntervalElapsed(g_lastVolumeStepTick, seam.tickCount(), g_volumeInterval)) return;

  // One key-down event; no key-up follows.
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = up ? VK_VOLUME_UP : VK_VOLUME_DOWN;
  if (seam.sendInput(1, &key, sizeof(INPUT)) == 0) seam.postError(HookError::SendInputFailed, ::GetLastError());

  // The step counts even when the send failed, and the interval runs from its end.
  g_lastVolumeStepTick = seam.tickCount();
  if (g_volumeSound) seam.playSound(VOLUME_STEP_SOUND, nullptr, SND_FILENAME | SND_ASYNC);
}

void RunBrightnessStep(bool up) {
  const ActionSeam& seam = *g_actionSeam;
  DISPLAY_BRIGHTNESS reading{};
  bool queried = false;
  {
    const DisplayDevice display = OpenDisplay();
    // Without a device there is nothing to set either: a step from a guessed level
    // could send 0 percent to a display that answers a moment later.
    if (!display) return;
    DWORD returned = 0;
    queried = seam.deviceIoControl(display.get(), IOCTL_VIDEO_QUERY_DISPLAY_BRIGHTNESS, nullptr, 0, &reading,
                                   sizeof(reading), &returned, nullptr) != FALSE;
  }
  const int32_t current = CurrentBrightness(queried, reading.ucDCBrightness, g_lastBrightness);

  const DisplayDevice display = OpenDisplay();
  if (!display) return;
  DISPLAY_BRIGHTNESS request{};
  request.ucDisplayPolicy = 0;
  request.ucACBrightness = 0;
  request.ucDCBrightness = NextBrightness(current, up);
  DWORD returned = 0;
  seam.deviceIoControl(display.get(), IOCTL_VIDEO_SET_DISPLAY_BRIGHTNESS, &request, sizeof(request), nullptr, 0,
                       &returned, nullptr);
}

}  // namespace

void RunCornerAction(int action, bool up) {
  if (action == ActionCode(CornerAction::Volume)) {
    RunVolumeStep(up);
  } else if (action == ActionCode(CornerAction::Brightness)) {
    RunBrightnessStep(up);
  }
}
