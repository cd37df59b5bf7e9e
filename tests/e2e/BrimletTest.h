#pragma once
// Fixture of the end-to-end tests: a fresh folder per test, no start-up
// shortcut left over, and a Brimlet.exe started from that folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/BrimletProcess.h"

class BrimletTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::DeleteFileW(StartupShortcutPath().c_str());
    m_folder = FreshTestFolder(CurrentTestName());
  }
  void TearDown() override { ::DeleteFileW(StartupShortcutPath().c_str()); }

  // config.ini from LF-separated lines, written as Brimlet writes it.
  void WriteConfig(const std::wstring& lines) const {
    ASSERT_TRUE(WriteFileBytes(m_folder + L"\\config.ini", Utf8ConfigBytes(lines)));
  }

  std::unique_ptr<BrimletProcess> Start() const {
    auto brimlet = std::make_unique<BrimletProcess>(m_folder);
    const bool up = brimlet->Start();
    DWORD exitCode = STILL_ACTIVE;
    if (!up) brimlet->WaitForExit(0, &exitCode);
    EXPECT_TRUE(up) << "Brimlet.exe did not come up: launch error " << brimlet->launchError() << ", exit code "
                    << exitCode;
    return brimlet;
  }

  // A second Brimlet.exe from this folder must end at once, quietly, with exit code 0.
  void ExpectAnotherStartEndsAtOnce() const {
    BrimletProcess second(m_folder);
    ASSERT_TRUE(second.Launch());
    DWORD exitCode = 99;
    ASSERT_TRUE(second.WaitForExit(10000, &exitCode)) << "the second instance kept running";
    EXPECT_EQ(exitCode, 0U);
    EXPECT_EQ(FindTrayWindow(second.pid()), nullptr);
  }

  std::wstring m_folder;
};

// Every corner a volume corner, every event let through: each wheel turn in a
// corner becomes exactly one key, which makes "nothing happened" observable.
inline constexpr wchar_t kAllVolumeNoInterval[] =
    L"[Brimlet]\nLTControll = 1\nLBControll = 1\nRTControll = 1\nRBControll = 1\nInterval = 0\n";
