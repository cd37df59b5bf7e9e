#include "core/KeyNames.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyNames, ModifiersAndKeysReadInAnyCaseAndWriteInOneSpelling) {
  EXPECT_EQ(ParseModifiers(L"Ctrl+Shift"), kCtrl | kShift);
  EXPECT_EQ(ParseModifiers(L" alt + WIN "), kAlt | kWin);
  for (const wchar_t* off : {L"", L"Ctrl+Hyper", L"Ctrl+", L"+", L"Control", L"Ctrl+ctrl"}) EXPECT_EQ(ParseModifiers(off), 0) << off;
  EXPECT_EQ(FormatModifiers(kWin | kShift | kAlt | kCtrl), L"Ctrl+Alt+Shift+Win");
  EXPECT_EQ(FormatModifiers(0), L"");

  EXPECT_EQ(ParseHotKey(L"Ctrl+Alt+Up"), (HotKey{kCtrl | kAlt, 0x26}));
  EXPECT_EQ(ParseHotKey(L"shift+f12"), (HotKey{kShift, 0x7B}));
  EXPECT_EQ(ParseHotKey(L"Win+b"), (HotKey{kWin, 'B'}));
  EXPECT_EQ(ParseHotKey(L"Ctrl+7"), (HotKey{kCtrl, '7'}));
  EXPECT_EQ(ParseHotKey(L"F24"), (HotKey{0, 0x87}));
  EXPECT_EQ(ParseHotKey(L"Ctrl+Alt+Plus").key, 0xBB);
  EXPECT_EQ(ParseHotKey(L"Ctrl+PageDown").key, 0x22);
  for (const wchar_t* none : {L"", L"Ctrl+Alt", L"Ctrl+Up+Down", L"Ctrl+F25", L"Ctrl+F0", L"Ctrl+F01", L"Ctrl+Tab",
                              L"Ctrl++", L"Ctrl+é"}) {
    EXPECT_EQ(ParseHotKey(none), HotKey{}) << "no key: " << std::wstring(none).size();
  }
  for (const wchar_t* text : {L"Ctrl+Alt+Up", L"Shift+Win+F1", L"Alt+PageUp", L"Z", L"A", L"Ctrl+Minus", L"Ctrl+9",
                              L"Ctrl+0", L"Win+F24"}) {
    EXPECT_EQ(FormatHotKey(ParseHotKey(text)), text) << "written as read";
  }
  EXPECT_EQ(FormatHotKey({kCtrl, 0x09}), L"") << "Tab has no name here";
  const std::vector<uint8_t> choices(HeldKeyChoices().begin(), HeldKeyChoices().end());
  EXPECT_EQ(choices, (std::vector<uint8_t>{0, kCtrl, kAlt, kShift, kWin, kCtrl | kAlt, kCtrl | kShift, kAlt | kShift,
                                           kCtrl | kWin}))
      << "the list's items, in order: the dialog saves the item chosen";
}

// A global key never takes typing or a key Windows keeps.
TEST(KeyNames, AHotKeyNeedsCtrlAltOrWinAndLeavesWindowsItsOwn) {
  HotKey key;
  for (const wchar_t* usable : {L"Ctrl+Alt+Up", L"Win+Down", L"Alt+Shift+B", L"F13", L"Shift+F24", L"Ctrl+L"}) {
    EXPECT_EQ(CheckHotKey(usable, key), HotKeyProblem::None) << std::wstring(usable).size();
    EXPECT_NE(key.key, 0);
  }
  EXPECT_EQ(CheckHotKey(L"  ", key), HotKeyProblem::None) << "none set";
  EXPECT_EQ(key.key, 0);
  for (const wchar_t* typing : {L"A", L"Shift+B", L"F12", L"Shift+Delete", L"5"}) {
    EXPECT_EQ(CheckHotKey(typing, key), HotKeyProblem::NeedsModifier) << std::wstring(typing).size();
  }
  for (const wchar_t* kept : {L"Alt+F4", L"Alt+Shift+F4", L"Ctrl+Alt+Delete", L"Win+L", L"Ctrl+Win+L"}) {
    EXPECT_EQ(CheckHotKey(kept, key), HotKeyProblem::Reserved) << std::wstring(kept).size();
  }
  EXPECT_EQ(CheckHotKey(L"Ctrl+Ctrl", key), HotKeyProblem::Unknown);
  EXPECT_EQ(CheckHotKey(std::wstring(5000, L'x'), key), HotKeyProblem::Unknown);
  EXPECT_EQ(CheckHotKey(L"Ctrl+Alt+F4", key), HotKeyProblem::Reserved) << "Alt+F4 with Ctrl still closes";
}

}  // namespace
