#include "config/StoreSettings.h"

#include "config/SettingKeys.h"

void StoreSettings(ConfigFile& file, const Settings& settings) {
  file.SetBool(SettingKey::AutoRun, settings.AutoRun);
  file.SetBool(SettingKey::Sound, settings.Sound);
  file.SetBool(SettingKey::DisableFunctionWhenFullScreen, settings.DisableFunctionWhenFullScreen);
  file.SetInt(SettingKey::LTControll, settings.LTControll);
  file.SetInt(SettingKey::LBControll, settings.LBControll);
  file.SetInt(SettingKey::RTControll, settings.RTControll);
  file.SetInt(SettingKey::RBControll, settings.RBControll);
  file.SetInt(SettingKey::Interval, settings.Interval);
}
