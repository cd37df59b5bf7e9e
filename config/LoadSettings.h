#pragma once
#include <string>

#include "core/Settings.h"

// A complete record from the settings file (defaults for what it lacks) and
// startAtLogon from whether the start-up shortcut exists. Reads the file anew on
// every call; never fails and shows nothing.
Settings LoadSettings(const std::wstring& configPath, const std::wstring& shortcutPath);
