#include "config/LoadSettings.h"

#include <windows.h>

#include <shlwapi.h>

#include "config/ConfigFile.h"
#include "config/SettingsText.h"
#include "ui/settings/StartupShortcut.h"

Settings LoadSettings(const std::wstring& configPath) {
  const ConfigFile file(configPath);
  const bool autoRun = !g_shortcutPath.empty() && ::PathFileExistsW(g_shortcutPath.c_str());
  return SettingsFromText(file.text, autoRun);
}
