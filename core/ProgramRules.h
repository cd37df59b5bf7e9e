#pragma once
// Programs that shape when the corners act: while one named in IgnorePrograms
// is in front no corner acts, and a full-screen window of one named in
// ActInFullScreen does not pause them. Names are file names ("game.exe"),
// compared in one case: the lists are folded as the program's names are.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The names in a list such as "game.exe; editor.exe": separated by ";" or ",",
// without surrounding blanks, empty ones dropped.
std::vector<std::wstring> ParseProgramList(std::wstring_view text);

struct ProgramVerdict {
  bool ignored = false;           // no corner acts while it is in front
  bool actsInFullScreen = false;  // its full-screen windows pause nothing
};

class ProgramRules {
 public:
  ProgramRules() = default;
  ProgramRules(std::vector<std::wstring> ignored, std::vector<std::wstring> actInFullScreen)
      : m_ignored(std::move(ignored)), m_actInFullScreen(std::move(actInFullScreen)) {}

  bool IgnoresAny() const { return !m_ignored.empty(); }
  bool ActsInFullScreenForAny() const { return !m_actInFullScreen.empty(); }
  // The verdict for a program by its folded name; an empty name matches nothing.
  ProgramVerdict For(std::wstring_view name) const;

 private:
  std::vector<std::wstring> m_ignored;
  std::vector<std::wstring> m_actInFullScreen;
};
