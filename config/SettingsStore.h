#pragma once
// Where the settings live: config.ini beside the executable, and the start-up
// shortcut, whose existence is the start-at-logon setting. The one place that
// reads and writes them.
#include <string>
#include <utility>

#include "core/Settings.h"

// Where the running program's files are: fixed at start-up, read-only afterwards.
struct AppPaths {
  std::wstring exe;       // the running executable
  std::wstring config;    // config.ini beside it
  std::wstring shortcut;  // Brimlet.lnk in the Startup folder; empty when the folder is unknown
};

class SettingsStore {
 public:
  explicit SettingsStore(AppPaths paths) : m_paths(std::move(paths)) {}

  // A complete record from the file (defaults for what it lacks) and
  // startAtLogon from whether the shortcut exists. Reads the file anew on every
  // call; never fails and shows nothing.
  Settings Read() const;
  // Sets every key the program writes in config.ini, keeping every other key
  // and line, and only once that is saved creates or deletes the shortcut:
  // all or nothing. True when the file was saved. Needs COM on the calling thread.
  bool Write(const Settings& settings) const;
  // config.ini is there (none: Brimlet has never saved its settings here).
  bool Exists() const;
  // At start-up, before the first load: restores config.ini from what an
  // interrupted save left beside it when it is missing, else removes that; and
  // points a start-up shortcut whose program is gone at this one (the folder
  // was moved). Needs COM on the calling thread.
  void Recover() const;

 private:
  AppPaths m_paths;
};
