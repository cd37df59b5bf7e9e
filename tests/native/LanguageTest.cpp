#include "core/Language.h"

#include <gtest/gtest.h>

#include "core/SettingsTable.h"

namespace {

TEST(Language, ChineseWhereTheUserInterfaceIsAnyChineseUnlessTheKeySays) {
  const int32_t automatic = SettingsFromText(L"[Brimlet]\nLanguage = fr\n", false).language;
  for (const uint16_t chinese : {0x0804, 0x0404, 0x0C04}) EXPECT_TRUE(SpeaksChinese(chinese, automatic)) << chinese;
  for (const uint16_t other : {0x0409, 0x0411}) EXPECT_FALSE(SpeaksChinese(other, automatic)) << other;
  EXPECT_FALSE(SpeaksChinese(0x0804, SettingsFromText(L"[Brimlet]\nLanguage = en\n", false).language));
  EXPECT_TRUE(SpeaksChinese(0x0409, SettingsFromText(L"[Brimlet]\nLanguage = zh\n", false).language));
  EXPECT_EQ(Settings{}.language, automatic) << "no key: automatic";
}

}  // namespace
