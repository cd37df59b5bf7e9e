#include "core/SaveNames.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveNames, LeftoversAreExactlyTheNamesASaveMakes) {
  const std::wstring made = SaveSiblingName(L"C:\\a\\config.ini", 4242, 7, kTemporarySuffix);
  EXPECT_EQ(made, L"C:\\a\\config.ini.4242-7.tmp");
  EXPECT_TRUE(IsSaveLeftoverName(L"config.ini.4242-7.tmp", L"config.ini"));
  EXPECT_TRUE(IsSaveLeftoverName(L"config.ini.1-0.bak", L"config.ini"));
  EXPECT_TRUE(IsSaveLeftoverName(L"target.ini.4294967295-99.tmp", L"target.ini"));

  for (const wchar_t* other : {L"config.ini", L"config.ini.new", L"config.ini.bak", L"config.ini.1-0.new",
                               L"config.ini.1-.tmp", L"config.ini.-1.tmp", L"config.ini.a-1.tmp",
                               L"config.ini.1-0.tmp.txt", L"config.ini.1-0.TMP", L"config.ini1-0.tmp",
                               L"other.ini.1-0.tmp", L"config.ini.12345678901-0.tmp", L"config.ini.1-0-0.tmp",
                               L"config.ini.1-0tmp", L"config.ini.1-0bak",
                               L"config.ini.18446744073709551617-0.tmp"}) {  // 2^64 + 1
    EXPECT_FALSE(IsSaveLeftoverName(other, L"config.ini")) << other;
  }
  EXPECT_FALSE(IsSaveLeftoverName(L".1-0.tmp", L""));
}

}  // namespace

namespace {

TEST(SaveNames, MissingFileIsRestoredFromTheNewestCompleteLeftover) {
  uint32_t process = 0;
  bool temporary = false;
  ASSERT_TRUE(ParseSaveLeftoverName(L"config.ini.4294967295-3.tmp", L"config.ini", process, temporary));
  EXPECT_EQ(process, 4294967295U);
  EXPECT_TRUE(temporary);

  EXPECT_EQ(LeftoverToRestore({}), -1);
  EXPECT_EQ(LeftoverToRestore({{7, true, 100}}), -1) << "a temporary file alone may be cut short";
  EXPECT_EQ(LeftoverToRestore({{7, false, 100}}), 0) << "a backup alone";
  // The replace of save 7 had begun: its new content is complete.
  EXPECT_EQ(LeftoverToRestore({{7, false, 100}, {7, true, 90}}), 1);
  EXPECT_EQ(LeftoverToRestore({{7, false, 100}, {7, true, 90}, {9, false, 300}, {9, true, 200}}), 3);
  EXPECT_EQ(LeftoverToRestore({{5, true, 500}, {7, false, 100}, {8, false, 200}}), 2) << "the newest backup";
}

}  // namespace
