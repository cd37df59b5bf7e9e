#include <gtest/gtest.h>

#include "config/ConfigFile.h"
#include "config/LoadSettings.h"
#include "config/StoreSettings.h"
#include "tests/windows/TestFolder.h"

namespace {

TEST(StoreSettings, WhatIsSavedLoadsBackAsTheSameRecord) {
  TestFolder folder;
  Settings settings;
  settings.stepSound = true;
  settings.pauseInFullScreen = false;
  settings.topLeft = 0;
  settings.bottomLeft = 3;
  settings.topRight = 1;
  settings.bottomRight = -7;
  settings.volumeInterval = 5000;
  ConfigFile file(folder.File(L"config.ini"));
  StoreSettings(file, settings);
  ASSERT_TRUE(file.Save());

  Settings loaded = LoadSettings(folder.File(L"config.ini"), L"");
  loaded.startAtLogon = settings.startAtLogon;
  EXPECT_EQ(loaded, settings);
}

TEST(StoreSettings, KeysMissingFromAnExistingSectionAreAddedInOrder) {
  TestFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File(L"config.ini"), "[Brimlet]\r\nInterval=100\r\n[Other]\r\nSound = 1\r\n"));
  ConfigFile file(folder.File(L"config.ini"));
  StoreSettings(file, Settings{});
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(folder.File(L"config.ini")),
            "\xEF\xBB\xBF[Brimlet]\r\nInterval= 100\r\nAutoRun = false\r\nSound = false\r\n"
            "DisableFunctionWhenFullScreen = true\r\nLTControll = 2\r\nLBControll = 1\r\nRTControll = 2\r\n"
            "RBControll = 1\r\n[Other]\r\nSound = 1\r\n");
}

}  // namespace
