#include "config/SettingsText.h"

#include "config/IniText.h"
#include "config/SettingKeys.h"
#include "config/ValueText.h"

Settings SettingsFromText(std::wstring_view text, bool autoRun) {
  auto boolean = [text](const wchar_t* key, const wchar_t* fallback) {
    return ParseBool(ini::GetValue(text, key, fallback));
  };
  auto number = [text](const wchar_t* key, const wchar_t* fallback) {
    return ParseInt32(ini::GetValue(text, key, fallback));
  };

  Settings settings;
  settings.AutoRun = autoRun;
  settings.Sound = boolean(SettingKey::Sound, SettingDefaultText::Sound);
  settings.DisableFunctionWhenFullScreen =
      boolean(SettingKey::DisableFunctionWhenFullScreen, SettingDefaultText::DisableFunctionWhenFullScreen);
  settings.LTControll = number(SettingKey::LTControll, SettingDefaultText::LTControll);
  settings.LBControll = number(SettingKey::LBControll, SettingDefaultText::LBControll);
  settings.RTControll = number(SettingKey::RTControll, SettingDefaultText::RTControll);
  settings.RBControll = number(SettingKey::RBControll, SettingDefaultText::RBControll);
  settings.Interval = number(SettingKey::Interval, SettingDefaultText::Interval);
  return settings;
}
