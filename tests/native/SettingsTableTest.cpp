#include "core/SettingsTable.h"

#include <gtest/gtest.h>

#include "tests/support/ConfigImage.h"

namespace {

TEST(SettingsFromText, EmptyTextGivesTheDefaults) {
  const Settings settings = SettingsFromText(L"", false);
  EXPECT_FALSE(settings.startAtLogon);
  EXPECT_FALSE(settings.stepSound);
  EXPECT_TRUE(settings.pauseInFullScreen);
  EXPECT_EQ(settings.topLeft, 2);
  EXPECT_EQ(settings.bottomLeft, 1);
  EXPECT_EQ(settings.topRight, 2);
  EXPECT_EQ(settings.bottomRight, 1);
  EXPECT_EQ(settings.volumeInterval, 100);
  EXPECT_TRUE(settings.brightnessIndicator);
  EXPECT_FALSE(settings.allScreens);
  EXPECT_EQ(settings, Settings{});
}

TEST(SettingsFromText, AutoRunComesFromTheShortcutNeverFromTheFile) {
  EXPECT_FALSE(SettingsFromText(L"[Brimlet]\nAutoRun = true\n", false).startAtLogon);
  EXPECT_TRUE(SettingsFromText(L"[Brimlet]\nAutoRun = false\n", true).startAtLogon);
}

TEST(SettingsFromText, ValuesAreConvertedNotRejected) {
  const Settings settings = SettingsFromText(
      L"[Brimlet]\nSound = TRUE\nDisableFunctionWhenFullScreen = 0\nLTControll = 3\nLBControll = -1\n"
      L"RTControll = 0\nRBControll = 2\nInterval = 50ms\nAllScreens = true\nBrightnessIndicator = false\n",
      false);
  EXPECT_FALSE(settings.stepSound);
  EXPECT_FALSE(settings.pauseInFullScreen);
  EXPECT_EQ(settings.topLeft, 3);
  EXPECT_EQ(settings.bottomLeft, -1);
  EXPECT_EQ(settings.topRight, 0);
  EXPECT_EQ(settings.bottomRight, 2);
  EXPECT_EQ(settings.volumeInterval, 50);
  EXPECT_TRUE(settings.allScreens);
  EXPECT_FALSE(settings.brightnessIndicator);
}

TEST(WriteSettingsText, WritesEveryKeyButTheIndicatorsInOrderAndReadsBack) {
  Settings settings;
  settings.startAtLogon = true;
  settings.bottomLeft = -7;
  settings.volumeInterval = 5000;
  settings.brightnessIndicator = false;
  std::wstring text = L"[Brimlet]\nInterval=1\nBrightnessIndicator = true\n[Other]\nSound = 1\n";
  WriteSettingsText(text, settings);
  EXPECT_EQ(text, L"[Brimlet]\nInterval= 5000\nBrightnessIndicator = true\n" +
                      ConfigImage().Set(L"AutoRun", L"true").Set(L"LBControll", L"-7").Without(L"Interval").Lines() +
                      L"[Other]\nSound = 1\n");
  Settings back = SettingsFromText(text, true);
  back.brightnessIndicator = false;  // never written: the file's own value stays
  EXPECT_EQ(back, settings);
}

TEST(SettingsFromText, PresentButEmptyIsNotMissing) {
  const Settings settings = SettingsFromText(L"[Brimlet]\nSound = 1\nInterval =\nDisableFunctionWhenFullScreen=\n", false);
  EXPECT_TRUE(settings.stepSound);
  EXPECT_EQ(settings.volumeInterval, 0);
  EXPECT_FALSE(settings.pauseInFullScreen);
}

}  // namespace

#include "core/Language.h"

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
