#pragma once
// The start-at-logon shortcut "Brimlet.lnk" in the current user's Startup folder.
// Whether the program starts at logon is whether that file exists.
#include <string>

// Built during static initialisation; empty when the Startup folder cannot be
// found, and then no shortcut is created, deleted or reported.
extern const std::wstring g_shortcutPath;

// true: creates or overwrites the shortcut to the running executable;
// false: deletes it. Failures are silent: the next load shows the outcome.
void UpdateStartupShortcut(bool autoRun);

// The shortcut path for a Startup folder; empty if the folder is unknown.
std::wstring ShortcutPathIn(const std::wstring& startupFolder);
