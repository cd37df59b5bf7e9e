#include "config/SettingsText.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFromText, EmptyTextGivesTheDefaults) {
  const Settings settings = SettingsFromText(L"", false);
  EXPECT_FALSE(settings.AutoRun);
  EXPECT_FALSE(settings.Sound);
  EXPECT_TRUE(settings.DisableFunctionWhenFullScreen);
  EXPECT_EQ(settings.LTControll, 2);
  EXPECT_EQ(settings.LBControll, 1);
  EXPECT_EQ(settings.RTControll, 2);
  EXPECT_EQ(settings.RBControll, 1);
  EXPECT_EQ(settings.Interval, 100);
  EXPECT_EQ(settings, Settings{});
}

TEST(SettingsFromText, AutoRunComesFromTheShortcutNeverFromTheFile) {
  EXPECT_FALSE(SettingsFromText(L"[Brimlet]\nAutoRun = true\n", false).AutoRun);
  EXPECT_TRUE(SettingsFromText(L"[Brimlet]\nAutoRun = false\n", true).AutoRun);
}

TEST(SettingsFromText, ValuesAreConvertedNotRejected) {
  const Settings settings = SettingsFromText(
      L"[Brimlet]\nSound = TRUE\nDisableFunctionWhenFullScreen = 0\nLTControll = 3\nLBControll = -1\n"
      L"RTControll = 0\nRBControll = 2\nInterval = 50ms\n",
      false);
  EXPECT_FALSE(settings.Sound);
  EXPECT_FALSE(settings.DisableFunctionWhenFullScreen);
  EXPECT_EQ(settings.LTControll, 3);
  EXPECT_EQ(settings.LBControll, -1);
  EXPECT_EQ(settings.RTControll, 0);
  EXPECT_EQ(settings.RBControll, 2);
  EXPECT_EQ(settings.Interval, 50);
}

TEST(SettingsFromText, PresentButEmptyIsNotMissing) {
  const Settings settings = SettingsFromText(L"[Brimlet]\nSound = 1\nInterval =\nDisableFunctionWhenFullScreen=\n", false);
  EXPECT_TRUE(settings.Sound);
  EXPECT_EQ(settings.Interval, 0);
  EXPECT_FALSE(settings.DisableFunctionWhenFullScreen);
}

}  // namespace
