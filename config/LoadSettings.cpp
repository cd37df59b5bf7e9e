#include "config/LoadSettings.h"

#include <windows.h>

#include <shlwapi.h>

#include "config/ConfigFile.h"
#include "core/SettingsText.h"

Settings LoadSettings(const std::wstring& configPath, const std::wstring& shortcutPath) {
  const ConfigFile file(configPath);
  const bool autoRun = !shortcutPath.empty() && ::PathFileExistsW(shortcutPath.c_str());
  return SettingsFromText(file.text, autoRun);
}
