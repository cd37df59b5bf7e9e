#pragma once
// Programs that shape when the wheel acts: while one named in IgnorePrograms is
// in front nothing acts, and a full-screen window of one named in
// ActInFullScreen pauses nothing. The lists are as the user wrote them: file
// names ("game.exe"), or paths as Explorer's "Copy as path" gives them
// ("C:\Games\Game.exe", quotes and all), which count by their last part;
// separated by ";" or "," outside quotes. A name without an extension also
// names that program with ".exe". Names are compared as the file system
// compares them, by the desktop.
#include <string>
#include <string_view>
#include <vector>

#include "core/Desktop.h"

// The file names a list names, without quotes, folders and surrounding blanks;
// empty entries dropped.
std::vector<std::wstring> ParseProgramList(std::wstring_view text);

struct ProgramVerdict {
  bool ignored = false;           // nothing acts while it is in front
  bool actsInFullScreen = false;  // its full-screen windows pause nothing
};

class ProgramRules {
 public:
  ProgramRules() = default;
  ProgramRules(std::wstring_view ignorePrograms, std::wstring_view actInFullScreen)
      : m_ignored(ParseProgramList(ignorePrograms)), m_actInFullScreen(ParseProgramList(actInFullScreen)) {}

  bool IgnoresAny() const { return !m_ignored.empty(); }
  bool ActsInFullScreenForAny() const { return !m_actInFullScreen.empty(); }
  // The verdict on the program file `name`; an empty name matches nothing.
  ProgramVerdict For(std::wstring_view name, Desktop& desktop) const;

 private:
  std::vector<std::wstring> m_ignored;
  std::vector<std::wstring> m_actInFullScreen;
};
