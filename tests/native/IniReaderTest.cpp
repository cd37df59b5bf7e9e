#include <gtest/gtest.h>

#include "core/IniText.h"

namespace {

std::wstring Read(std::wstring_view text, std::wstring_view key) { return ini::GetValue(text, key, L"<default>"); }

TEST(IniReader, MissingSectionOrKeyGivesTheDefaultUnchanged) {
  EXPECT_EQ(Read(L"", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"Sound = true\n", L"Sound"), L"<default>");
  EXPECT_EQ(ini::GetValue(L"", L"Sound", L"  padded "), L"  padded ");
}

TEST(IniReader, ValueIsTrimmedOfBlanksTabsAndControlCharacters) {
  EXPECT_EQ(Read(L"[Brimlet]\nSound=true\n", L"Sound"), L"true");
  EXPECT_EQ(Read(L"[Brimlet]\nSound    =   true  \t\r\n", L"Sound"), L"true");
  EXPECT_EQ(Read(L"[Brimlet]\nSound = \x01true\x1f\n", L"Sound"), L"true");
}

TEST(IniReader, KeyMustStartTheLineExactlyAndBeFollowedByBlankOrEquals) {
  EXPECT_EQ(Read(L"[Brimlet]\n Sound = true\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\n\tSound = true\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\nsound = true\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\nSound\t= true\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\nSoundX = true\n", L"Sound"), L"<default>");
  // Whatever stands between the key and its "=" is skipped.
  EXPECT_EQ(Read(L"[Brimlet]\nSound X = 1\n", L"Sound"), L"1");
}

TEST(IniReader, KeyLineWithoutEqualsOnItCountsAsMissing) {
  EXPECT_EQ(Read(L"[Brimlet]\nSound true\n", L"Sound"), L"<default>");
  // The next line's "=" does not belong to the key's line.
  EXPECT_EQ(Read(L"[Brimlet]\nSound \nInterval = 5\n", L"Sound"), L"<default>");
}

TEST(IniReader, EmptyValueIsAValueNotTheDefault) {
  EXPECT_EQ(Read(L"[Brimlet]\nInterval =\n", L"Interval"), L"");
  EXPECT_EQ(Read(L"[Brimlet]\nInterval=   \n", L"Interval"), L"");
}

TEST(IniReader, RemarksBehindTheValueArePartOfIt) {
  EXPECT_EQ(Read(L"[Brimlet]\nSound = true ; remark\n", L"Sound"), L"true ; remark");
  EXPECT_EQ(Read(L"[Brimlet]\n; Sound = true\n# Sound = true\n", L"Sound"), L"<default>");
}

TEST(IniReader, FormWithBlankWinsOverEarlierFormWithEquals) {
  EXPECT_EQ(Read(L"[Brimlet]\nSound=false\nSound = true\n", L"Sound"), L"true");
  EXPECT_EQ(Read(L"[Brimlet]\nSound=false\nSound=true\n", L"Sound"), L"false");
}

TEST(IniReader, OnlyTheFirstBrimletSectionCounts) {
  EXPECT_EQ(Read(L"[Other]\nSound = true\n[Brimlet]\nInterval = 5\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"Sound = true\n[Brimlet]\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\n[Other]\n[Brimlet]\nSound = true\n", L"Sound"), L"<default>");
}

TEST(IniReader, AnyLineStartingWithBracketEndsTheSection) {
  EXPECT_EQ(Read(L"[Brimlet]\nInterval = 5\n[Other]\nSound = true\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\n[not closed\nSound = true\n", L"Sound"), L"<default>");
  EXPECT_EQ(Read(L"[Brimlet]\nInterval = 5\n[Other]\n", L"Interval"), L"5");
}

TEST(IniReader, HeaderInsideAnotherLineStartsTheSection) {
  EXPECT_EQ(Read(L"Title = see [Brimlet]\nSound = true\n", L"Sound"), L"true");
}

TEST(IniReader, LastLineWithoutBreakIsRead) {
  EXPECT_EQ(Read(L"[Brimlet]\nInterval = 250", L"Interval"), L"250");
  EXPECT_EQ(Read(L"[Brimlet]\nInterval =", L"Interval"), L"");
}

}  // namespace
