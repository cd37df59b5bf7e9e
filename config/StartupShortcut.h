#pragma once
// The start-at-logon shortcut "Brimlet.lnk" in the current user's Startup folder.
// Whether the program starts at logon is whether that file exists.
#include <string>

// The current user's Startup folder; empty when the shell does not know it.
std::wstring StartupFolder();

// The shortcut's path in a Startup folder; empty if the folder is unknown, and
// then no shortcut is created, deleted or reported.
std::wstring ShortcutPathIn(const std::wstring& startupFolder);

// true: creates or overwrites the shortcut at `shortcutPath` to `exePath`;
// false: deletes it. Needs COM on the calling thread. Failures are silent: the
// next load shows the outcome.
void UpdateStartupShortcut(bool autoRun, const std::wstring& shortcutPath, const std::wstring& exePath);

// At start-up: when the shortcut points at a file that no longer exists (the
// folder was moved), it is pointed at `exePath`, the running program. A shortcut
// to a file that exists, and a file that is not a shell link, are left alone.
// Needs COM on the calling thread.
void RepairStartupShortcut(const std::wstring& shortcutPath, const std::wstring& exePath);
