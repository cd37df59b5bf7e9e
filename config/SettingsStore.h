#pragma once
// Where the settings live: config.ini beside the executable, and the start-up
// shortcut, whose existence is the start-at-logon setting. The one place that
// reads and writes them.
#include <optional>
#include <string>
#include <utility>

#include "core/Settings.h"
#include "core/SettingsTable.h"

// Where the running program's files are: fixed at start-up, read-only afterwards.
struct AppPaths {
  std::wstring exe;       // the running executable
  std::wstring config;    // config.ini beside it
  std::wstring shortcut;  // Brimlet.lnk in the Startup folder; empty when the folder is unknown
};

class SettingsStore {
 public:
  explicit SettingsStore(AppPaths paths) : m_paths(std::move(paths)) {}

  // A complete record from the file (defaults for what it lacks, all of them
  // when there is no file) and startAtLogon from whether the shortcut exists;
  // nothing when the file is there but cannot be read. Reads the file anew on
  // every call and shows nothing.
  std::optional<Settings> Read() const;
  // The defaults, with startAtLogon from whether the shortcut exists.
  Settings Defaults() const;
  // Sets every key the program writes in config.ini, keeping every other key
  // and line, and only once that is saved creates or deletes the shortcut:
  // all or nothing. True when the file was saved. Needs COM on the calling thread.
  bool Write(const Settings& settings) const;
  // config.ini is there (none: this copy of Brimlet has never run here).
  bool Exists() const;
  // The file part of Write alone, for the first start of this copy, with
  // every key there is: the start-up shortcut stays as it is (it may belong
  // to another copy). False when the file could not be written.
  bool WriteFirst(const Settings& settings) const;
  // At start-up, before the first load: restores config.ini from what an
  // interrupted save left beside it when it is missing, else removes that; and
  // points a start-up shortcut whose program is gone at this one (the folder
  // was moved). Needs COM on the calling thread.
  void Recover() const;

 private:
  bool SaveFile(const Settings& settings, KeysWritten keys) const;

  AppPaths m_paths;
};
