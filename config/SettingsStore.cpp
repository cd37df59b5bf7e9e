#include "config/SettingsStore.h"

#include <windows.h>

#include <shlwapi.h>

#include "config/ConfigFile.h"
#include "config/StartupShortcut.h"

namespace {

bool ShortcutExists(const std::wstring& shortcut) {
  return !shortcut.empty() && ::PathFileExistsW(shortcut.c_str());
}

}  // namespace

std::optional<Settings> SettingsStore::Read() const {
  const ConfigFile file(m_paths.config);
  if (file.unreadable()) return std::nullopt;
  return SettingsFromText(file.text, ShortcutExists(m_paths.shortcut));
}

Settings SettingsStore::Defaults() const { return SettingsFromText(L"", ShortcutExists(m_paths.shortcut)); }

bool SettingsStore::Write(const Settings& settings) const {
  if (!SaveFile(settings, KeysWritten::Saved)) return false;
  UpdateStartupShortcut(settings.startAtLogon, m_paths.shortcut, m_paths.exe);
  return true;
}

bool SettingsStore::Exists() const { return ::GetFileAttributesW(m_paths.config.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SettingsStore::WriteFirst(const Settings& settings) const { return SaveFile(settings, KeysWritten::Every); }

bool SettingsStore::SaveFile(const Settings& settings, KeysWritten keys) const {
  ConfigFile file(m_paths.config);
  WriteSettingsText(file.text, settings, keys);
  return file.Save();
}

void SettingsStore::Recover() const {
  RecoverSaveLeftovers(m_paths.config);
  RepairStartupShortcut(m_paths.shortcut, m_paths.exe);
}
