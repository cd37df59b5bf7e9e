#include "core/SettingsTable.h"

#include <gtest/gtest.h>

#include "tests/support/ConfigImage.h"

#include <fstream>
#include <sstream>
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

// The documentation follows the table: every key is in README's key table and
// its sample file, and in both halves of the README that ships in the zip; and
// README's sample reads as the defaults.
std::wstring DocumentText(const char* path) {
  std::ifstream file(std::string(BRIMLET_SOURCE_DIR) + "/" + path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  const std::string text = bytes.str();
  return std::wstring(text.begin(), text.end());  // the keys are ASCII; other bytes only need to stay apart
}

std::wstring Between(const std::wstring& text, std::wstring_view from, std::wstring_view to) {
  const size_t start = text.find(from);
  if (start == std::wstring::npos) return {};
  const size_t end = text.find(to, start + from.size());
  return text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

TEST(SettingsTable, EveryKeyIsDocumentedWhereUsersLook) {
  const std::wstring readme = DocumentText("README.md");
  const std::wstring keyTable = Between(readme, L"| key | meaning |", L"\n\n");
  const std::wstring sample = Between(Between(readme, L"## `config.ini`", L"\n## "), L"```ini\n", L"```");
  const std::wstring shipped = DocumentText("packaging/README.txt");
  const size_t english = shipped.find(L"==== English ====");
  ASSERT_FALSE(keyTable.empty());
  ASSERT_FALSE(sample.empty());
  ASSERT_NE(english, std::wstring::npos);
  for (const SettingRow& row : SettingRows()) {
    const std::wstring key = row.key;
    std::string name(key.begin(), key.end());
    EXPECT_NE(keyTable.find(L"`" + key + L"`"), std::wstring::npos) << name << " is missing from README's key table";
    EXPECT_NE(sample.find(L"\n" + key + L" ="), std::wstring::npos) << name << " is missing from README's sample file";
    EXPECT_LT(shipped.find(key), english) << name << " is missing from the Chinese half of packaging/README.txt";
    EXPECT_NE(shipped.find(key, english), std::wstring::npos)
        << name << " is missing from the English half of packaging/README.txt";
  }
  EXPECT_EQ(SettingsFromText(sample, false), Settings{}) << "README's sample is not the defaults";
}

}  // namespace
