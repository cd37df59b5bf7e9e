#pragma once
#include "config/ConfigFile.h"
#include "core/Settings.h"

// Sets all eight keys of `settings` in `file`, in the order a new file lists them:
// AutoRun, Sound, DisableFunctionWhenFullScreen, the four corners, Interval.
void StoreSettings(ConfigFile& file, const Settings& settings);
