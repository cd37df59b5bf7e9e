#include <gtest/gtest.h>

#include "core/IniText.h"

namespace {

std::wstring Set(std::wstring text, std::wstring_view key, std::wstring_view value) {
  ini::SetValue(text, key, value);
  return text;
}

TEST(IniWriter, ExistingLineKeepsEverythingUpToItsEquals) {
  EXPECT_EQ(Set(L"[Brimlet]\nSound = true\n", L"Sound", L"false"), L"[Brimlet]\nSound = false\n");
  EXPECT_EQ(Set(L"[Brimlet]\nSound=true\n", L"Sound", L"false"), L"[Brimlet]\nSound= false\n");
  EXPECT_EQ(Set(L"[Brimlet]\nSound   =   true   ; remark\n", L"Sound", L"false"), L"[Brimlet]\nSound   = false\n");
  EXPECT_EQ(Set(L"[Brimlet]\nSound true\n", L"Sound", L"false"), L"[Brimlet]\nSound = false\n");
  EXPECT_EQ(Set(L"[Brimlet]\nInterval=100\n", L"Interval", L"250"), L"[Brimlet]\nInterval= 250\n");
}

TEST(IniWriter, EditsOnlyTheLineTheReaderUses) {
  EXPECT_EQ(Set(L"[Brimlet]\nSound=x\nSound = y\n", L"Sound", L"true"), L"[Brimlet]\nSound=x\nSound = true\n");
  EXPECT_EQ(Set(L"[Brimlet]\nSound=x\nSound=y\n", L"Sound", L"true"), L"[Brimlet]\nSound= true\nSound=y\n");
}

TEST(IniWriter, LastLineWithoutBreakIsReplacedToItsEnd) {
  EXPECT_EQ(Set(L"[Brimlet]\nInterval = 5", L"Interval", L"10"), L"[Brimlet]\nInterval = 10");
}

TEST(IniWriter, NewKeyGoesAtTheEndOfTheSectionBeforeTheNextHeader) {
  const std::wstring before = L"; top\n[Brimlet]\nSound = true\n\n[Other]\nSound = 7\n";
  EXPECT_EQ(Set(before, L"Interval", L"100"), L"; top\n[Brimlet]\nSound = true\n\nInterval = 100\n[Other]\nSound = 7\n");
}

TEST(IniWriter, MissingSectionIsAppendedAfterTheExistingText) {
  EXPECT_EQ(Set(L"", L"AutoRun", L"false"), L"[Brimlet]\nAutoRun = false\n");
  EXPECT_EQ(Set(L"[Other]\nx = 1\n", L"Sound", L"true"), L"[Other]\nx = 1\n[Brimlet]\nSound = true\n");
  EXPECT_EQ(Set(L"[Other]\nx = 1", L"Sound", L"true"), L"[Other]\nx = 1\n[Brimlet]\nSound = true\n");
}

TEST(IniWriter, NewLineStartsALineEvenWhenTheTextWasCutShort) {
  // A text cut at a NUL can end right after the header.
  const std::wstring text = Set(L"[Brimlet]", L"Sound", L"true");
  EXPECT_EQ(text, L"[Brimlet]\nSound = true\n");
  EXPECT_EQ(ini::GetValue(text, L"Sound", L""), L"true");
}

TEST(IniWriter, LongLinesAreWrittenWhole) {
  const std::wstring key(300, L'K');
  const std::wstring value(5000, L'v');
  const std::wstring text = Set(L"", key, value);
  EXPECT_EQ(text, L"[Brimlet]\n" + key + L" = " + value + L"\n");
  EXPECT_EQ(ini::GetValue(text, key, L""), value);
}

TEST(IniWriter, SettingTheSameValuesAgainChangesNothing) {
  std::wstring text = L"x\n[Brimlet]\nSound=true ; r\nInterval 7\n[Other]\nk = v\n";
  const auto setAll = [&text] {
    ini::SetValue(text, L"Sound", L"false");
    ini::SetValue(text, L"Interval", L"250");
    ini::SetValue(text, L"AutoRun", L"true");
  };
  setAll();
  const std::wstring once = text;
  setAll();
  EXPECT_EQ(text, once);
  EXPECT_EQ(once, L"x\n[Brimlet]\nSound= false\nInterval = 250\nAutoRun = true\n[Other]\nk = v\n");
}

}  // namespace
