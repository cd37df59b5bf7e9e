#pragma once
// Where the running program's files are: fixed at start-up, read-only afterwards.
#include <string>

struct AppPaths {
  std::wstring exe;       // the running executable
  std::wstring config;    // config.ini beside it
  std::wstring shortcut;  // Brimlet.lnk in the Startup folder; empty when the folder is unknown
};
