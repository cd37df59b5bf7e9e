#include "config/ConfigFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/SaveNames.h"

#include "config/SettingsStore.h"
#include "core/IniText.h"
#include "core/SettingsTable.h"
#include "framework/UniqueHandle.h"
#include "tests/support/ConfigImage.h"
#include "tests/windows/TestFolder.h"

namespace {

using namespace std::string_literals;

class ConfigFileTest : public ::testing::Test {
 protected:
  static void SetWriteTime(const std::wstring& name, const FILETIME& time) {
    const UniqueKernelHandle file(::CreateFileW(name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &time));
  }

  std::wstring Config() const { return m_folder.File(L"config.ini"); }
  std::wstring Read(const std::string& bytes, const std::wstring& key) const {
    EXPECT_TRUE(WriteFileBytes(Config(), bytes));
    return ini::GetValue(ConfigFile(Config()).text, key, L"<default>");
  }
  TestFolder m_folder;
};

// A disk on which the chosen calls of a save fail, as a full disk, missing
// rights or a crash would make them fail.
class FailingFiles final : public SystemSaveFiles {
 public:
  DWORD createError = 0;          // CreateNew fails with it
  int writeThatFails = -1;        // counted from 0; -1: none
  bool everyWriteFails = false;
  bool flushFails = false;
  bool corruptsWrites = false;    // the bytes that reach the disk differ from those written
  bool replaceFails = false;      // the replace fails and moves nothing
  bool replaceMovesOldAside = false;  // the replace fails after moving the old file to its backup name
  std::wstring moveFailsTo;       // a move to a name ending so fails
  bool movesFail = false;         // every move fails
  std::string calls;              // what reached the file, in order: w(rite), f(lush), e(nd)

  HANDLE CreateNew(const std::wstring& path) override {
    if (createError == 0) return SystemSaveFiles::CreateNew(path);
    ::SetLastError(createError);
    return INVALID_HANDLE_VALUE;
  }
  bool Write(HANDLE file, std::string_view bytes) override {
    calls += 'w';
    if (m_writes++ == writeThatFails || everyWriteFails) return Fail(ERROR_DISK_FULL);
    if (!corruptsWrites || bytes.empty()) return SystemSaveFiles::Write(file, bytes);
    std::string corrupted(bytes);
    corrupted.back() ^= 1;
    return SystemSaveFiles::Write(file, corrupted);
  }
  bool Flush(HANDLE file) override {
    calls += 'f';
    return flushFails ? Fail(ERROR_IO_DEVICE) : SystemSaveFiles::Flush(file);
  }
  bool SetEnd(HANDLE file) override {
    calls += 'e';
    return SystemSaveFiles::SetEnd(file);
  }
  bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) override {
    if (replaceFails) return Fail(ERROR_UNABLE_TO_REMOVE_REPLACED);
    if (!replaceMovesOldAside) return SystemSaveFiles::Replace(target, replacement, backup);
    ::MoveFileExW(target.c_str(), backup.c_str(), 0);
    return Fail(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
  }
  bool Move(const std::wstring& from, const std::wstring& to, DWORD flags) override {
    const bool fails = !moveFailsTo.empty() && to.size() >= moveFailsTo.size() &&
                       to.compare(to.size() - moveFailsTo.size(), moveFailsTo.size(), moveFailsTo) == 0;
    return fails || movesFail ? Fail(ERROR_ACCESS_DENIED) : SystemSaveFiles::Move(from, to, flags);
  }

 private:
  int m_writes = 0;
  static bool Fail(DWORD error) {
    ::SetLastError(error);
    return false;
  }
};

TEST_F(ConfigFileTest, GbkWithoutMarkReadsInTheAnsiCodePage) {
  ASSERT_EQ(::GetACP(), 936U);
  // "[Brimlet]\nNote = 音量控制" in GBK
  EXPECT_EQ(Read("[Brimlet]\r\nNote = \xD2\xF4\xC1\xBF\xBF\xD8\xD6\xC6\r\n", L"Note"), L"音量控制");
}

TEST_F(ConfigFileTest, Utf8WithoutMarkReadsAsUtf8AndGbkNotesStayGbk) {
  // "; 音量与亮度 ✓" as a current editor saves it: UTF-8 without a mark. Read in
  // code page 936 its last character would swallow the line break.
  const std::string utf8 = "[Brimlet]\r\n; \xE9\x9F\xB3\xE9\x87\x8F\xE4\xB8\x8E\xE4\xBA\xAE\xE5\xBA\xA6 \xE2\x9C\x93\r\n"
                           "Sound = false\r\n";
  EXPECT_EQ(Read(utf8, L"Sound"), L"false");
  ConfigFile file(Config());
  ini::SetValue(file.text, L"Sound", L"true");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), "\xEF\xBB\xBF" + utf8.substr(0, utf8.size() - 7) + "true\r\n");

  EXPECT_EQ(Read("[Brimlet]\r\n; \xD2\xF4\xC1\xBF\r\nNote = \xD2\xF4\xC1\xBF\r\n", L"Note"), L"音量");
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
  ini::SetValue(file.text, L"Interval", L"8");
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

TEST_F(ConfigFileTest, FilesOverOneMebibyteCountAsUnreadableAndAreNeverSavedOver) {
  std::string bytes = "[Brimlet]\r\nInterval = 250\r\n";
  bytes.resize(kLargestConfigFile, ';');
  ASSERT_TRUE(WriteFileBytes(Config(), bytes));
  ConfigFile largest(Config());
  EXPECT_EQ(ini::GetValue(largest.text, L"Interval", L""), L"250") << "1 MiB exactly is still read";
  ini::SetValue(largest.text, L"Interval", L"300");
  ASSERT_TRUE(largest.Save());
  const std::string start = "\xEF\xBB\xBF[Brimlet]\r\nInterval = 300\r\n;;;";
  EXPECT_EQ(ReadFileBytes(Config()).substr(0, start.size()), start);

  bytes.resize(kLargestConfigFile + 1, ';');
  ASSERT_TRUE(WriteFileBytes(Config(), bytes));
  ConfigFile larger(Config());
  EXPECT_TRUE(larger.text.empty());
  EXPECT_FALSE(SettingsStore({L"", Config(), L""}).Read()) << "unreadable, which the store says";
  ini::SetValue(larger.text, L"Interval", L"300");
  EXPECT_FALSE(larger.Save());
  EXPECT_EQ(ReadFileBytes(Config()), bytes);
}

TEST_F(ConfigFileTest, FirstSaveWritesTheMarkAndEveryKeyOnCrLfLines) {
  ConfigFile file(Config());
  WriteSettingsText(file.text, Settings{});
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), DiskBytes(ConfigImage().Text()));
  EXPECT_EQ(m_folder.FileCount(), 1U) << "a temporary file was left behind";
}

TEST_F(ConfigFileTest, SavingTheSameValuesAgainGivesIdenticalBytes) {
  ASSERT_TRUE(WriteFileBytes(Config(), "; mine\n[Other]\nx=1\n[Brimlet]\nSound=true ; remark\n"));
  Settings settings;
  settings.volumeInterval = 535;
  for (int round = 0; round < 2; ++round) {
    ConfigFile file(Config());
    WriteSettingsText(file.text, settings);
    ASSERT_TRUE(file.Save());
  }
  const std::string once = ReadFileBytes(Config());
  ConfigFile again(Config());
  WriteSettingsText(again.text, settings);
  ASSERT_TRUE(again.Save());
  EXPECT_EQ(ReadFileBytes(Config()), once);
  EXPECT_EQ(once.substr(0, 50), "\xEF\xBB\xBF; mine\r\n[Other]\r\nx=1\r\n[Brimlet]\r\nSound= false\r\n");
}

TEST_F(ConfigFileTest, ReadOnlyFileIsNotReplaced) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  ASSERT_TRUE(WriteFileBytes(Config(), old));
  ASSERT_TRUE(::SetFileAttributesW(Config().c_str(), FILE_ATTRIBUTE_READONLY));
  ConfigFile file(Config());
  ini::SetValue(file.text, L"Interval", L"9");
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), old);
  EXPECT_EQ(::GetFileAttributesW(Config().c_str()) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
  EXPECT_EQ(m_folder.FileCount(), 1U);
}

TEST_F(ConfigFileTest, EveryFailedStepLeavesTheOldFileAndNoTemporaryFile) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  auto diskFull = [](FailingFiles& files) { files.createError = ERROR_DISK_FULL; };
  auto writeFails = [](FailingFiles& files) { files.writeThatFails = 0; };
  auto flushFails = [](FailingFiles& files) { files.flushFails = true; };
  auto replaceFails = [](FailingFiles& files) { files.replaceFails = true; };
  int step = 0;
  for (const auto& fault : {+diskFull, +writeFails, +flushFails, +replaceFails}) {
    ++step;
    ASSERT_TRUE(WriteFileBytes(Config(), old));
    ConfigFile file(Config());
    ini::SetValue(file.text, L"Interval", L"9");
    FailingFiles files;
    fault(files);
    EXPECT_FALSE(file.Save(files)) << step;
    EXPECT_EQ(ReadFileBytes(Config()), old) << step;
    EXPECT_EQ(m_folder.FileCount(), 1U) << step;
  }
  // And for a file that did not exist yet: still none afterwards.
  ::DeleteFileW(Config().c_str());
  ConfigFile fresh(Config());
  ini::SetValue(fresh.text, L"Interval", L"9");
  FailingFiles files;
  files.moveFailsTo = L"config.ini";
  EXPECT_FALSE(fresh.Save(files));
  EXPECT_EQ(m_folder.FileCount(), 0U);
}

// The replace can fail after moving the old file to its backup name; it is put
// back, or else the new content is kept as config.ini.new: one of the two always
// survives under a known name.
TEST_F(ConfigFileTest, ReplaceThatMovedTheOldFileAsideIsUndoneOrTheNewContentKept) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  const std::string saved = "\xEF\xBB\xBF[Brimlet]\r\nInterval = 9\r\n";
  const std::wstring backup = SaveSiblingName(Config(), ::GetCurrentProcessId(), 0, kBackupSuffix);
  auto saveFailing = [&](const std::wstring& moveFailsTo, bool movesFail = false) {
    ASSERT_TRUE(WriteFileBytes(Config(), old));
    ConfigFile file(Config());
    ini::SetValue(file.text, L"Interval", L"9");
    FailingFiles files;
    files.replaceMovesOldAside = true;
    files.moveFailsTo = moveFailsTo;
    files.movesFail = movesFail;
    EXPECT_FALSE(file.Save(files));
  };

  saveFailing(L"");
  EXPECT_EQ(ReadFileBytes(Config()), old) << "the old file is back";
  EXPECT_EQ(m_folder.FileCount(), 1U) << "no temporary or backup file is left";

  saveFailing(L"config.ini");  // the old file cannot be moved back
  EXPECT_FALSE(FileExists(Config()));
  EXPECT_EQ(ReadFileBytes(Config() + L".new"), saved);
  EXPECT_EQ(ReadFileBytes(backup), old);
  ::DeleteFileW(backup.c_str());

  // Even the move to config.ini.new failing deletes neither content.
  ::DeleteFileW((Config() + L".new").c_str());
  saveFailing(L"", true);
  EXPECT_EQ(ReadFileBytes(backup), old);
  EXPECT_EQ(ReadFileBytes(SaveSiblingName(Config(), ::GetCurrentProcessId(), 0, kTemporarySuffix)), saved);
  EXPECT_EQ(m_folder.FileCount(), 2U);
}

// Where files may be written but not created, the file is rewritten in place,
// read back and compared; a failure puts the old bytes back and says so.
TEST_F(ConfigFileTest, FolderWithoutCreateRightsIsWrittenInPlaceAndChecked) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n; notes\r\n";
  for (const int fault : {0, 1, 2, 3}) {
    ASSERT_TRUE(WriteFileBytes(Config(), old));
    ConfigFile file(Config());
    ini::SetValue(file.text, L"Interval", L"9");
    FailingFiles files;
    files.createError = ERROR_ACCESS_DENIED;
    if (fault == 1) files.writeThatFails = 0;  // the rewrite fails; putting the old bytes back works
    if (fault == 2) files.corruptsWrites = true;    // what is read back differs
    // No write gets through, not even the old bytes': as after a power cut, the
    // old bytes must still be there, since the file is cut only after a write.
    if (fault == 3) files.everyWriteFails = true;
    const bool saved = file.Save(files);
    if (fault == 0) {
      EXPECT_TRUE(saved);
      // Flushed before it is cut: a power cut never leaves the old bytes cut short.
      EXPECT_EQ(files.calls, "wfef");
      EXPECT_EQ(ReadFileBytes(Config()), "\xEF\xBB\xBF[Brimlet]\r\nInterval = 9\r\n; notes\r\n");
    } else if (fault == 1 || fault == 3) {
      EXPECT_FALSE(saved);
      EXPECT_EQ(ReadFileBytes(Config()), old);
    } else {
      EXPECT_FALSE(saved);
    }
    EXPECT_EQ(m_folder.FileCount(), 1U);
  }
  // Without a file to rewrite, nothing can be done.
  ::DeleteFileW(Config().c_str());
  ConfigFile fresh(Config());
  ini::SetValue(fresh.text, L"Interval", L"9");
  FailingFiles files;
  files.createError = ERROR_ACCESS_DENIED;
  EXPECT_FALSE(fresh.Save(files));
  EXPECT_EQ(m_folder.FileCount(), 0U);
}

TEST_F(ConfigFileTest, BytesAfterANulOrCtrlZAreWrittenBackVerbatim) {
  const std::string nul = "[Brimlet]\r\nSound = false\r\n[Notes]\r\nA=1\0B=2\r\nC=3\r\n"s;
  ASSERT_TRUE(WriteFileBytes(Config(), nul));
  ConfigFile file(Config());
  ini::SetValue(file.text, L"Sound", L"true");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(Config()), "\xEF\xBB\xBF[Brimlet]\r\nSound = true\r\n[Notes]\r\nA=1\0B=2\r\nC=3\r\n"s);

  // A UTF-16 file's rest cannot stand behind UTF-8 text: the save is refused.
  const std::string utf16 = "\xFF\xFE[\0B\0r\0i\0m\0l\0e\0t\0]\0\n\0\x1A\0x\0"s;
  ASSERT_TRUE(WriteFileBytes(Config(), utf16));
  ConfigFile wide(Config());
  ini::SetValue(wide.text, L"Sound", L"true");
  EXPECT_FALSE(wide.Save());
  EXPECT_EQ(ReadFileBytes(Config()), utf16);
}

TEST_F(ConfigFileTest, LeftoversOfInterruptedSavesAreRemovedWhenOld) {
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\n"));
  const std::vector<std::wstring> ours = {Config() + L".77-0.tmp", Config() + L".77-0.bak", Config() + L".8-99.tmp"};
  const std::vector<std::wstring> others = {Config() + L".new", Config() + L".bak", Config() + L".77-0.txt",
                                            m_folder.File(L"other.ini.77-0.tmp"), m_folder.File(L"notes.txt")};
  FILETIME old{};
  ::GetSystemTimeAsFileTime(&old);
  ULARGE_INTEGER time{{old.dwLowDateTime, old.dwHighDateTime}};
  time.QuadPart -= 61ULL * 10'000'000;  // 61 s ago
  old = {time.LowPart, time.HighPart};
  for (const auto& name : ours) ASSERT_TRUE(WriteFileBytes(name, "x"));
  for (const auto& name : others) ASSERT_TRUE(WriteFileBytes(name, "x"));
  const std::wstring recent = Config() + L".78-0.tmp";  // a save may still be writing it
  ASSERT_TRUE(WriteFileBytes(recent, "x"));
  for (const auto& name : ours) SetWriteTime(name, old);
  for (const auto& name : others) SetWriteTime(name, old);

  RecoverSaveLeftovers(Config());
  for (const auto& name : ours) EXPECT_FALSE(FileExists(name));
  for (const auto& name : others) EXPECT_TRUE(FileExists(name));
  EXPECT_TRUE(FileExists(recent));
  EXPECT_TRUE(FileExists(Config()));
}

// Wine starts a Unix program named by its path on drive Z:, though with no
// handle to wait on: the link is awaited instead.
bool MakeUnixSymbolicLink(const std::wstring& folder, const std::wstring& target, const std::wstring& link) {
  std::wstring command = L"/bin/ln -s " + target + L" " + link;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
    return false;
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  for (int tries = 0; tries < 1000; ++tries) {
    if (::GetFileAttributesW((folder + L"\\" + link).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    ::Sleep(10);
  }
  return false;
}

std::wstring FinalPath(const std::wstring& path) {
  const UniqueKernelHandle file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  wchar_t final[1024] = {};
  ::GetFinalPathNameByHandleW(file.get(), final, 1024, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  return final;
}

TEST_F(ConfigFileTest, SymbolicLinkStaysALinkAndItsTargetIsSaved) {
  ASSERT_TRUE(::CreateDirectoryW(m_folder.File(L"real").c_str(), nullptr));
  const std::wstring target = m_folder.File(L"real\\target.ini");
  ASSERT_TRUE(WriteFileBytes(target, "[Brimlet]\r\nInterval = 5\r\n"));
  ASSERT_TRUE(MakeUnixSymbolicLink(m_folder.path(), L"real/target.ini", L"config.ini"));
  const std::wstring resolved = FinalPath(Config());
  ASSERT_NE(resolved.find(L"\\real\\target.ini"), std::wstring::npos) << "not seen as a link here";

  ConfigFile file(Config());
  EXPECT_EQ(ini::GetValue(file.text, L"Interval", L""), L"5");
  ini::SetValue(file.text, L"Interval", L"9");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(ReadFileBytes(target), "\xEF\xBB\xBF[Brimlet]\r\nInterval = 9\r\n");
  EXPECT_EQ(FinalPath(Config()), resolved) << "config.ini was replaced by a plain file";
  EXPECT_EQ(m_folder.FileCount(), 1U) << "a file was left beside the link";
}

// config.ini a symbolic link whose target a power cut left missing, between the
// two renames of a save: what the save left beside the target is found and put
// back there, and the next save writes the target, keeping the link.
TEST_F(ConfigFileTest, SymbolicLinkWhoseTargetIsMissingIsRecoveredBesideItsTarget) {
  struct LinkedFiles final : SystemSaveFiles {
    std::wstring link;
    bool LinkTarget(const std::wstring& path, std::wstring& stored) override {
      if (path != link) return false;
      stored = L"real\\target.ini";
      return true;
    }
  } files;
  files.link = Config();
  ASSERT_TRUE(::CreateDirectoryW(m_folder.File(L"real").c_str(), nullptr));
  const std::wstring target = m_folder.File(L"real\\target.ini");
  const std::string old = "[Brimlet]\r\nInterval = 7\r\n";
  ASSERT_TRUE(WriteFileBytes(SaveSiblingName(target, 4242, 0, kBackupSuffix), old));

  RecoverSaveLeftovers(files, Config());
  EXPECT_EQ(ReadFileBytes(target), old) << "the backup beside the target is the target again";
  EXPECT_FALSE(FileExists(Config())) << "nothing was put in the link's place";

  ::DeleteFileW(target.c_str());
  ConfigFile file(Config());
  ini::SetValue(file.text, L"Interval", L"9");
  ASSERT_TRUE(file.Save(files));
  EXPECT_EQ(ReadFileBytes(target), "\xEF\xBB\xBF[Brimlet]\r\nInterval = 9\r\n");
  EXPECT_FALSE(FileExists(Config())) << "the link would have been replaced by a plain file";
}

// A file with a second name (a package manager's copy) keeps it: the new
// bytes reach both names. A rewrite that fails leaves the old bytes under
// both; one cut short by a crash is undone from the kept-old file at start.
TEST_F(ConfigFileTest, AHardLinkIsWrittenThroughAndACutRewriteIsUndoneAtStart) {
  const std::wstring copy = m_folder.File(L"kept by the installer.ini");
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\nSound = false\r\n"));
  ASSERT_TRUE(::CreateHardLinkW(copy.c_str(), Config().c_str(), nullptr));
  const auto save = [&](SaveFiles& files) {
    ConfigFile file(Config());
    ini::SetValue(file.text, L"Sound", L"true");
    return file.Save(files);
  };
  FailingFiles failing;
  failing.writeThatFails = 1;  // the first write puts the old bytes aside, the second goes over the file
  EXPECT_FALSE(save(failing));
  EXPECT_EQ(ReadFileBytes(copy), "[Brimlet]\r\nSound = false\r\n");
  EXPECT_EQ(m_folder.FileCount(), 2U) << "nothing left beside it";

  SystemSaveFiles files;
  ASSERT_TRUE(save(files));
  EXPECT_EQ(ReadFileBytes(copy), "\xEF\xBB\xBF[Brimlet]\r\nSound = true\r\n") << "the link was split";
  EXPECT_EQ(m_folder.FileCount(), 2U) << "the kept-old file stays behind";

  // A crash halfway: the old bytes are aside, the file holds part of the new.
  ASSERT_TRUE(WriteFileBytes(m_folder.File(L"config.ini.77-0.old"), "[Brimlet]\r\nSound = old\r\n"));
  ASSERT_TRUE(WriteFileBytes(copy, "\xEF\xBB\xBF[Brimlet]\r\nSou"));
  RecoverSaveLeftovers(Config());
  EXPECT_EQ(ReadFileBytes(copy), "[Brimlet]\r\nSound = old\r\n");
  EXPECT_EQ(ReadFileBytes(Config()), "[Brimlet]\r\nSound = old\r\n");
  EXPECT_EQ(m_folder.FileCount(), 2U);
}

TEST_F(ConfigFileTest, FileHeldOpenByAnotherProgramIsNotOverwritten) {
  const std::string old = "[Brimlet]\r\nInterval = 5\r\n";
  ASSERT_TRUE(WriteFileBytes(Config(), old));
  ConfigFile file(Config());
  ini::SetValue(file.text, L"Interval", L"9");
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
  ini::SetValue(file->text, L"Interval", L"9");
  EXPECT_FALSE(file->Save());
  EXPECT_EQ(ReadFileBytes(Config()), old);
}

TEST_F(ConfigFileTest, SaveIntoAMissingFolderFails) {
  ConfigFile file(m_folder.File(L"gone\\config.ini"));
  ini::SetValue(file.text, L"Interval", L"9");
  EXPECT_FALSE(file.Save());
}

TEST_F(ConfigFileTest, LoadSettingsTakesAutoRunFromTheShortcutAlone) {
  const std::wstring shortcut = m_folder.File(L"Brimlet.lnk");
  auto LoadSettings = [](const std::wstring& config, const std::wstring& link) {
    return SettingsStore({L"", config, link}).Read().value();
  };
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\nAutoRun = true\r\nInterval = 7\r\n"));
  EXPECT_FALSE(LoadSettings(Config(), shortcut).startAtLogon);
  EXPECT_EQ(LoadSettings(Config(), shortcut).volumeInterval, 7);

  ASSERT_TRUE(WriteFileBytes(shortcut, "not even a real shortcut"));
  ASSERT_TRUE(WriteFileBytes(Config(), "[Brimlet]\r\nAutoRun = false\r\n"));
  EXPECT_TRUE(LoadSettings(Config(), shortcut).startAtLogon);
  EXPECT_FALSE(LoadSettings(Config(), L"").startAtLogon) << "no Startup folder: no shortcut";
  EXPECT_FALSE(LoadSettings(m_folder.File(L"absent.ini"), L"").startAtLogon);
}

}  // namespace
