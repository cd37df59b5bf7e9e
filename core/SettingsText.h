#pragma once
#include <string_view>

#include "core/Settings.h"

// The record a settings text describes: each key from the text where it has a
// value, from its default text where not. `autoRun` is whether the start-up
// shortcut exists; the file's own AutoRun key is never read.
Settings SettingsFromText(std::wstring_view text, bool autoRun);
