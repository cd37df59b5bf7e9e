#include <gtest/gtest.h>

#include "config/SettingsStore.h"
#include "tests/support/ConfigImage.h"
#include "tests/windows/TestFolder.h"

namespace {

TEST(SettingsStore, WhatIsSavedLoadsBackAsTheSameRecord) {
  TestFolder folder;
  const SettingsStore store({L"", folder.File(L"config.ini"), L""});
  Settings settings;
  settings.stepSound = true;
  settings.pauseInFullScreen = false;
  settings.topLeft = 0;
  settings.bottomLeft = 3;
  settings.topRight = 1;
  settings.bottomRight = -7;
  settings.volumeInterval = 5000;
  ASSERT_TRUE(store.Write(settings));

  Settings loaded = store.Read();
  loaded.startAtLogon = settings.startAtLogon;
  EXPECT_EQ(loaded, settings);
}

TEST(SettingsStore, KeysMissingFromAnExistingSectionAreAddedInOrder) {
  TestFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File(L"config.ini"), "[Brimlet]\r\nInterval=100\r\n[Other]\r\nSound = 1\r\n"));
  ASSERT_TRUE(SettingsStore({L"", folder.File(L"config.ini"), L""}).Write(Settings{}));
  EXPECT_EQ(ReadFileBytes(folder.File(L"config.ini")),
            DiskBytes(L"[Brimlet]\nInterval= 100\n" + ConfigImage().Without(L"Interval").Lines() + L"[Other]\nSound = 1\n"));
}

}  // namespace
