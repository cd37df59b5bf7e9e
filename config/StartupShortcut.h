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

// What a shortcut holds that a repair looks at.
struct ShortcutFields {
  std::wstring target;         // as stored: "%USERPROFILE%\Tools\Brimlet.exe" stays so
  std::wstring workingFolder;  // empty: none
  std::wstring iconFile;       // empty: the target's own icon
  int iconIndex = 0;
};

// Whether a file a shortcut names is there.
enum class PathState {
  Present,
  Missing,  // its volume is there, and the file or its folder is not
  Unknown,  // anything else: a drive not mounted yet, a network away, no rights, a relative path
};

// What a repair touches, as a seam: the shortcut file, the environment and the file system.
class ShortcutFiles {
 public:
  // False when there is no shell link at `shortcut`.
  virtual bool Read(const std::wstring& shortcut, ShortcutFields& fields) = 0;
  // Sets the fields in the shell link at `shortcut`, keeping everything else it holds.
  virtual void Write(const std::wstring& shortcut, const ShortcutFields& fields) = 0;
  // `path` with its environment variables expanded.
  virtual std::wstring Expand(const std::wstring& path) = 0;
  virtual PathState Look(const std::wstring& path) = 0;

 protected:
  ~ShortcutFiles() = default;
};

// At start-up: when the shortcut's program is certainly gone (the folder was
// moved), it is pointed at `exePath`, the running program, with its working
// folder and, where it had one, its icon there too. A shortcut to a file that
// exists or may exist (on a drive not mounted yet), and a file that is not a
// shell link, are left alone. Needs COM on the calling thread.
void RepairStartupShortcut(const std::wstring& shortcutPath, const std::wstring& exePath);
void RepairStartupShortcut(ShortcutFiles& files, const std::wstring& shortcutPath, const std::wstring& exePath);
