#include "config/SettingsStore.h"

#include <windows.h>

#include <shlwapi.h>

#include "config/ConfigFile.h"
#include "config/StartupShortcut.h"
#include "core/SettingsTable.h"

Settings SettingsStore::Read() const {
  const ConfigFile file(m_paths.config);
  const bool autoRun = !m_paths.shortcut.empty() && ::PathFileExistsW(m_paths.shortcut.c_str());
  return SettingsFromText(file.text, autoRun);
}

bool SettingsStore::Write(const Settings& settings) const {
  ConfigFile file(m_paths.config);
  WriteSettingsText(file.text, settings);
  if (!file.Save()) return false;
  UpdateStartupShortcut(settings.startAtLogon, m_paths.shortcut, m_paths.exe);
  return true;
}

bool SettingsStore::Exists() const { return ::GetFileAttributesW(m_paths.config.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SettingsStore::Recover() const {
  RecoverSaveLeftovers(m_paths.config);
  RepairStartupShortcut(m_paths.shortcut, m_paths.exe);
}
