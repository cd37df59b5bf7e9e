#include "core/SettingsText.h"

#include "core/IniText.h"
#include "core/SettingKeys.h"
#include "core/ValueText.h"

Settings SettingsFromText(std::wstring_view text, bool autoRun) {
  auto boolean = [text](const SettingKey& key) { return ParseBool(ini::GetValue(text, key.name, key.defaultText)); };
  auto number = [text](const SettingKey& key) { return ParseInt32(ini::GetValue(text, key.name, key.defaultText)); };

  Settings settings;
  settings.startAtLogon = autoRun;
  settings.stepSound = boolean(kStepSoundKey);
  settings.pauseInFullScreen = boolean(kPauseInFullScreenKey);
  settings.topLeft = number(kTopLeftKey);
  settings.bottomLeft = number(kBottomLeftKey);
  settings.topRight = number(kTopRightKey);
  settings.bottomRight = number(kBottomRightKey);
  settings.volumeInterval = number(kVolumeIntervalKey);
  settings.brightnessIndicator = boolean(kBrightnessIndicatorKey);
  return settings;
}
