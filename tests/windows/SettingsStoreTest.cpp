#include <gtest/gtest.h>

#include "config/SettingsStore.h"
#include "framework/Executable.h"
#include "framework/UniqueHandle.h"
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

  Settings loaded = store.Read().value();
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

// All or nothing: while config.ini is held open without sharing (an editor,
// a sync client), a save fails, the start-up shortcut stays as it was, and a
// read says the file cannot be read; once it is free, both change.
TEST(SettingsStore, AFailedSaveLeavesTheShortcutAsItWas) {
  const ComApartment com;
  TestFolder folder;
  const std::wstring config = folder.File(L"config.ini");
  const std::wstring shortcut = folder.File(L"Brimlet.lnk");
  ASSERT_TRUE(WriteFileBytes(config, "[Brimlet]\r\nInterval = 250\r\n"));
  const SettingsStore store({ExecutablePath(), config, shortcut});
  Settings settings;
  settings.startAtLogon = true;
  {
    const UniqueKernelHandle held(
        ::CreateFileW(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(store.Write(settings));
    EXPECT_FALSE(FileExists(shortcut)) << "the shortcut came although the save failed";
    EXPECT_FALSE(store.Read()) << "a file held without sharing cannot be read";
  }
  EXPECT_EQ(store.Read()->volumeInterval, 250);
  EXPECT_TRUE(store.Write(settings));
  EXPECT_TRUE(FileExists(shortcut));
}

// A copy's first file holds every key at its default and leaves a shortcut
// (perhaps another copy's) as it is.
TEST(SettingsStore, TheFirstFileLeavesTheShortcutAlone) {
  TestFolder folder;
  const std::wstring shortcut = folder.File(L"Brimlet.lnk");
  ASSERT_TRUE(WriteFileBytes(shortcut, "another copy's shortcut"));
  const SettingsStore store({L"C:\\Elsewhere\\Brimlet.exe", folder.File(L"config.ini"), shortcut});
  EXPECT_FALSE(store.Exists());
  Settings first = store.Defaults();
  EXPECT_TRUE(first.startAtLogon) << "the shortcut exists";
  first.startAtLogon = false;
  ASSERT_TRUE(store.WriteFirst(first));
  EXPECT_TRUE(store.Exists());
  EXPECT_EQ(ReadFileBytes(folder.File(L"config.ini")), DiskBytes(ConfigImage().FirstText()));
  EXPECT_EQ(ReadFileBytes(shortcut), "another copy's shortcut");
}

}  // namespace
