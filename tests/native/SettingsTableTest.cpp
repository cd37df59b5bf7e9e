#include "core/SettingsTable.h"

#include <gtest/gtest.h>

#include "tests/support/ConfigImage.h"

#include <string>
#include <utility>

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
  EXPECT_FALSE(settings.middleClickMute);
  EXPECT_EQ(settings.volumeStep, 2);
  EXPECT_EQ(settings.brightnessStep, 2);
  EXPECT_EQ(settings.ignorePrograms, L"");
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

// A step size is read by one rule wherever it comes from: a number outside its
// range is taken at the nearer end, one between two steps at the step below,
// and text that is no number, or nothing, is the default.
TEST(SettingsFromText, StepSizesAreReadClampedAndWrittenTheOneWay) {
  const auto read = [](const wchar_t* volume, const wchar_t* brightness) {
    const Settings settings = SettingsFromText(
        std::wstring(L"[Brimlet]\nVolumeStep = ") + volume + L"\nBrightnessStep = " + brightness + L"\n", false);
    return std::pair(settings.volumeStep, settings.brightnessStep);
  };
  EXPECT_EQ(read(L"30", L"30"), std::pair(20, 20)) << "over the range: the top";
  EXPECT_EQ(read(L"1", L"0"), std::pair(2, 1)) << "under the range: the bottom";
  EXPECT_EQ(read(L"-4", L"-4"), std::pair(2, 1));
  EXPECT_EQ(read(L"7", L"7"), std::pair(6, 7)) << "an odd volume step rounds down";
  EXPECT_EQ(read(L"abc-5", L"x"), std::pair(2, 2)) << "no number: the default";
  EXPECT_EQ(read(L"", L""), std::pair(2, 2)) << "empty: the default";
  EXPECT_EQ(read(L"9ms", L"5%"), std::pair(8, 5)) << "digits up to the first other character";

  Settings settings;
  settings.volumeStep = 8;
  settings.brightnessStep = 5;
  std::wstring text;
  WriteSettingsText(text, settings);
  EXPECT_NE(text.find(L"VolumeStep = 8\n"), std::wstring::npos);
  EXPECT_EQ(SettingsFromText(text, false).brightnessStep, 5);
}

// A text value becomes one line without surrounding blanks: a line break
// would start a key of its own in the file.
TEST(WriteSettingsText, TextValuesAreWrittenAsOneTrimmedLine) {
  Settings settings;
  settings.ignorePrograms = L"  game.exe\r\nSound = true\n ";
  std::wstring text;
  WriteSettingsText(text, settings);
  EXPECT_NE(text.find(L"IgnorePrograms = game.exe  Sound = true\n"), std::wstring::npos) << std::string(text.begin(), text.end());
  EXPECT_FALSE(SettingsFromText(text, false).stepSound) << "no key smuggled in";
}

}  // namespace
