#include "config/ConfigFile.h"

#include <gtest/gtest.h>

#include "config/LoadSettings.h"
#include "config/StoreSettings.h"
#include "framework/UniqueHandle.h"
#include "tests/windows/TestFolder.h"
#include "ui/settings/StartupShortcut.h"

namespace {

using namespace std::string_literals;

const std::string kFirstSave =
    "\xEF\xBB\xBF[Brimlet]\r\nAutoRun = false\r\nSound = false\r\nDisableFunctionWhenFullScreen = true\r\n"
    "LTControll = 2\r\nLBControll = 1\r\nRTControll = 2\r\nRBControll = 1\r\nInterval = 100\r\n";

class ConfigFileTest : public ::testing::Test {
 protected:
  std::wstring Config() const { return m_folder.File(L"config.ini"); }
  std::wstring Read(const std::string& bytes, const std::wstring& key) const {
    EXPECT_TRUE(WriteFileBytes(Config(), bytes));
    return ConfigFile(Config()).GetValue(key, L"<default>");
  }
  TestFolder m_folder;
};

// Makes one step of every save fail, as a full disk or a crash before it would.
class FailingStep {
 public:
  explicit FailingStep(SaveStep step) {
    s_step = step;
    g_saveStepFailsForTest = [](SaveStep current) { return current == s_step; };
  }
  ~FailingStep() { g_saveStepFailsForTest = nullptr; }

 private:
  static inline SaveStep s_step{};
};

TEST_F(ConfigFileTest, GbkWithoutMarkReadsInTheAnsiCodePage) {
  ASSERT_EQ(::GetACP(), 936U);
  // "[Brimlet]\nNote = 音量控制" in GBK
  EXPECT_EQ(Read("[Brimlet]\r\nNote = \xD2\xF4\xC1\xBF\xBF\xD8\xD6\xC6\r\n", L"Note"), L"音量控制");
}

TEST_F(ConfigFileTest, Utf8WithMarkReadsAsUtf8) {
  EXPECT_EQ(Read("\xEF\xBB\xBF[Brimlet]\r\nNote = \xE4\xBA\xAE\xE5\xBA\xA6\r\n", L"Note"), L"亮度");
}

TEST_F(ConfigFileTest, Utf16FilesAreDecodedNotCutAtTheFirstNul) {
  const std::string little = "\xFF\xFE[\0B\0r\0i\0m\0l\0e\0t\0]\0\r\0\n\0N\0o\0t\0e\0=\0\xAE\x4E\r\0\n\0"s;
  EXPECT_EQ(Read(little, L"Note"), L"亮");
  const std::string big = "\xFE\xFF\0[\0B\0r\0i\0m\0l\0e\0t\0]\0\n\0I\0n\0t\0e\0r\0v\0a\0l\0=\0\x37"s;
  EXPECT_EQ(Read(big, L"Interval"), L"7");

  // Saved back as UTF-8 with a mark, like every other file.
  ConfigFile file(Config());
  file.SetInt(L"Interval", 8);
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), "\xEF\xBB\xBF[Brimlet]\r\nInterval= 8\r\n");
}

TEST_F(ConfigFileTest, CrLfAndLfFilesReadAlike) {
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\nSound = true\r\nInterval = 5\r\n"));
  const std::wstring crlf = ConfigFile(Config()).text;
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\nSound = true\nInterval = 5"));
  EXPECT_EQ(ConfigFile(Config()).text, crlf);
  EXPECT_EQ(crlf, L"[Brimlet]\nSound = true\nInterval = 5\n");
}

TEST_F(ConfigFileTest, CtrlZEndsTheInput) {
  EXPECT_EQ(Read("[Brimlet]\r\nSound = true\r\n\x1AInterval = 5\r\n", L"Interval"), L"<default>");
}

TEST_F(ConfigFileTest, MissingOrEmptyFileGivesEmptyText) {
  EXPECT_TRUE(ConfigFile(m_folder.File(L"absent.ini")).text.empty());
  EXPECT_TRUE(ConfigFile(m_folder.File(L"no folder\\config.ini")).text.empty());
  ASSERT_TRUE(WriteFileBytes(Config(), ""));
  EXPECT_TRUE(ConfigFile(Config()).text.empty());
}

TEST_F(ConfigFileTest, TenMegabyteFileIsReadAndSavedWhole) {
  std::string bytes = "[Brimlet]\r\n";
  while (bytes.size() < 10 * 1024 * 1024) bytes += "Filler = 0123456789012345678901234567890123456789\r\n";
  bytes += "Interval = 250\r\n";
  ASSERT_TRUE(WriteFileBytes(Config(), bytes));
  ConfigFile file(Config());
  EXPECT_EQ(file.GetValue(L"Interval", L""), L"250");
  file.SetInt(L"Interval", 300);
  ASSERT_TRUE(file.Save());
  const std::string saved = ReadFileBytes(Config());
  EXPECT_EQ(saved.size(), bytes.size() + 3);  // the mark comes in front, "300" replaces "250"
  EXPECT_EQ(saved.substr(saved.size() - 16), "Interval = 300\r\n");
}

TEST_F(ConfigFileTest, FirstSaveWritesTheMarkAndNineCrLfLines) {
  ConfigFile file(Config());
  StoreSettings(file, Settings{});
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), kFirstSave);
  EXPECT_EQ(m_folder.FileCount(), 1U) << "a temporary file was left behind";
}

TEST_F(ConfigFileTest, SavingTheSameValuesAgainGivesIdenticalBytes) {
  ASSERT_TRUE(WriteFileBytes(Config(), "; mine\n[Other]\nx=1\n[Brimlet]\nSound=true ; remark\n"));
  Settings settings;
  settings.Interval = 535;
  for (int round = 0; round < 2; ++round) {
    ConfigFile file(Config());
    StoreSettings(file, settings);
    ASSERT_TRUE(file.Save());
  }
  const std::string once = ReadFileBytes(Config());
  ConfigFile again(Config());
  StoreSettings(again, settings);
  ASSERT_TRUE(again.Save());
  EXPECT_EQ(ReadFileBytes(Config()), once);
  EXPECT_EQ(once.substr(0, 50), "\xEF\xBB\xBF; mine\r\n[Other]\r\nx=1\r\n[Brimlet]\r\nSound= false\r\n");
}

TEST_F(ConfigFileTest, ReadOnlyFileIsNotReplaced) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  ASSERT_TRUE(WriteFileBytes(Config(), old));
  ASSERT_TRUE(::SetFileAttributesW(Config().c_str(), FILE_ATTRIBUTE_READONLY));
  ConfigFile file(Config());
  file.SetInt(L"Interval", 9);
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), old);
  EXPECT_EQ(::GetFileAttributesW(Config().c_str()) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
  EXPECT_EQ(m_folder.FileCount(), 1U);
}

TEST_F(ConfigFileTest, EveryFailedStepLeavesTheOldFileAndNoTemporaryFile) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  for (const SaveStep step : {SaveStep::CreateTemporary, SaveStep::Write, SaveStep::Flush, SaveStep::Replace}) {
    ASSERT_TRUE(WriteFileBytes(Config(), old));
    ConfigFile file(Config());
    file.SetInt(L"Interval", 9);
    const FailingStep failing(step);
    EXPECT_FALSE(file.Save()) << static_cast<int>(step);
    EXPECT_EQ(ReadFileBytes(Config()), old) << static_cast<int>(step);
    EXPECT_EQ(m_folder.FileCount(), 1U) << static_cast<int>(step);
  }
  // And for a file that did not exist yet: still none afterwards.
  ::DeleteFileW(Config().c_str());
  ConfigFile fresh(Config());
  fresh.SetInt(L"Interval", 9);
  const FailingStep failing(SaveStep::Replace);
  EXPECT_FALSE(fresh.Save());
  EXPECT_EQ(m_folder.FileCount(), 0U);
}

TEST_F(ConfigFileTest, FileHeldOpenByAnotherProgramIsNotOverwritten) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  ASSERT_TRUE(WriteFileBytes(Config(), old));
  ConfigFile file(Config());
  file.SetInt(L"Interval", 9);
  {
    const UniqueKernelHandle lock(
        ::CreateFileW(Config().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(file.Save());
  }
  EXPECT_EQ(ReadFileBytes(Config()), old);
  EXPECT_EQ(m_folder.FileCount(), 1U);
  EXPECT_TRUE(file.Save());
}

TEST_F(ConfigFileTest, FileThatCouldNotBeReadIsNeverSavedOver) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n; much more the user wrote\r\n";
  ASSERT_TRUE(WriteFileBytes(Config(), old));
  std::unique_ptr<ConfigFile> file;
  {
    const UniqueKernelHandle lock(
        ::CreateFileW(Config().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    file = std::make_unique<ConfigFile>(Config());
  }
  EXPECT_TRUE(file->text.empty());
  file->SetInt(L"Interval", 9);
  EXPECT_FALSE(file->Save());
  EXPECT_EQ(ReadFileBytes(Config()), old);
}

TEST_F(ConfigFileTest, SaveIntoAMissingFolderFails) {
  ConfigFile file(m_folder.File(L"gone\\config.ini"));
  file.SetInt(L"Interval", 9);
  EXPECT_FALSE(file.Save());
}

TEST_F(ConfigFileTest, LoadSettingsTakesAutoRunFromTheShortcutAlone) {
  ASSERT_FALSE(g_shortcutPath.empty());
  ::DeleteFileW(g_shortcutPath.c_str());
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\nAutoRun = true\r\nInterval = 7\r\n"));
  EXPECT_FALSE(LoadSettings(Config()).AutoRun);
  EXPECT_EQ(LoadSettings(Config()).Interval, 7);

  ASSERT_TRUE(WriteFileBytes(g_shortcutPath, "not even a real shortcut"));
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\nAutoRun = false\r\n"));
  EXPECT_TRUE(LoadSettings(Config()).AutoRun);
  ::DeleteFileW(g_shortcutPath.c_str());
  EXPECT_FALSE(LoadSettings(m_folder.File(L"absent.ini")).AutoRun);
}

}  // namespace
