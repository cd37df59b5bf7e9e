#include "core/ProgramRules.h"

#include <gtest/gtest.h>

#include "tests/native/DesktopQuestions.h"

namespace {

// What users paste: file names, paths as "Copy as path" gives them, names
// without ".exe", with blanks, separators and quotes around them.
TEST(ProgramRules, ListsNameProgramsByTheirFileNames) {
  EXPECT_EQ(ParseProgramList(L" game.exe;editor.exe , ,player.exe ;"),
            (std::vector<std::wstring>{L"game.exe", L"editor.exe", L"player.exe"}));
  EXPECT_TRUE(ParseProgramList(L"  ; , \"\" ").empty());
  EXPECT_EQ(ParseProgramList(L"\"C:\\Games\\Game.exe\"; C:/Tools/tool.exe;\"D:\\A, B; C\\app.exe\""),
            (std::vector<std::wstring>{L"Game.exe", L"tool.exe", L"app.exe"}))
      << "a quoted path keeps its commas and semicolons";

  DesktopQuestions desktop;
  const ProgramRules rules(L"\"C:\\Games\\Game.exe\", editor", L"obs64.exe, PLAYER.EXE");
  EXPECT_TRUE(rules.For(L"game.EXE", desktop).ignored) << "a path counts by its last part, in any case";
  EXPECT_TRUE(rules.For(L"Editor.exe", desktop).ignored) << "a name without an extension names its .exe";
  EXPECT_TRUE(rules.For(L"editor", desktop).ignored);
  EXPECT_FALSE(rules.For(L"editor.com", desktop).ignored);
  EXPECT_FALSE(rules.For(L"editorx.exe", desktop).ignored);
  EXPECT_TRUE(rules.For(L"player.exe", desktop).actsInFullScreen) << "the second name of a list counts";
  EXPECT_FALSE(rules.For(L"player.exe", desktop).ignored);
  EXPECT_FALSE(rules.For(L"", desktop).ignored) << "a process that cannot be opened matches no name";
  EXPECT_FALSE(ProgramRules().IgnoresAny());
  EXPECT_TRUE(rules.ActsInFullScreenForAny());
}

// A name that starts with its only dot has no extension: ".hidden" names
// ".hidden.exe" as "game" names "game.exe".
TEST(ProgramRules, ALeadingDotIsNoExtension) {
  DesktopQuestions desktop;
  const ProgramRules rules(L".hidden", L"");
  EXPECT_TRUE(rules.For(L".hidden.exe", desktop).ignored);
  EXPECT_TRUE(rules.For(L".HIDDEN", desktop).ignored);
}

}  // namespace
