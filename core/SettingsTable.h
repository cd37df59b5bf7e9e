#pragma once
// The settings as config.ini holds them. One table (in the .cpp) lists each
// setting once: its key, as users' files spell it ("Controll" included), the
// member it fills, its kind, its default text, and whether it is read from the
// file and written to it. Adding a setting is adding a row.
#include <string>
#include <string_view>

#include "core/Settings.h"

// The record a settings text describes: each key read from the text where it
// has a value, from its default text where not. `autoRun` is whether the
// start-up shortcut exists; the file's own key for it is never read.
Settings SettingsFromText(std::wstring_view text, bool autoRun);

// Sets every written key of `settings` in `text`, in table order (new keys are
// added in that order); everything else in the text stays as it is.
void WriteSettingsText(std::wstring& text, const Settings& settings);
