#include "config/StoreSettings.h"

#include "core/SettingKeys.h"

void StoreSettings(ConfigFile& file, const Settings& settings) {
  file.SetBool(kStartAtLogonKey.name, settings.startAtLogon);
  file.SetBool(kStepSoundKey.name, settings.stepSound);
  file.SetBool(kPauseInFullScreenKey.name, settings.pauseInFullScreen);
  file.SetInt(kTopLeftKey.name, settings.topLeft);
  file.SetInt(kBottomLeftKey.name, settings.bottomLeft);
  file.SetInt(kTopRightKey.name, settings.topRight);
  file.SetInt(kBottomRightKey.name, settings.bottomRight);
  file.SetInt(kVolumeIntervalKey.name, settings.volumeInterval);
}
