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
                               L"other.ini.1-0.tmp", L"config.ini.12345678901-0.tmp", L"config.ini.1-0-0.tmp"}) {
    EXPECT_FALSE(IsSaveLeftoverName(other, L"config.ini")) << other;
  }
  EXPECT_FALSE(IsSaveLeftoverName(L".1-0.tmp", L""));
}

}  // namespace
