#include "config/StartupShortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/UniqueHandle.h"
#include "tests/windows/TestFolder.h"

namespace {

struct ShortcutContents {
  std::wstring target;
  std::wstring description;
  std::wstring workingFolder;
};

ShortcutContents ReadShortcut(const std::wstring& path) {
  ShortcutContents contents;
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
    return contents;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
      wchar_t text[MAX_PATH] = {};
      link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
      contents.target = text;
      link->GetDescription(text, MAX_PATH);
      contents.description = text;
      text[0] = L'\0';
      link->GetWorkingDirectory(text, MAX_PATH);
      contents.workingFolder = text;
    }
    file->Release();
  }
  link->Release();
  return contents;
}

class StartupShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override { m_shortcut = ShortcutPathIn(m_folder.File(L"Startup")); }
  // An executable at a path with blanks and Chinese characters.
  std::wstring PlaceExecutable(const std::wstring& folderName) {
    const std::wstring folder = m_folder.File(folderName);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\Brimlet.exe";
    EXPECT_TRUE(WriteFileBytes(exe, "MZ"));
    return exe;
  }

  const ComApartment m_com;
  TestFolder m_folder;
  std::wstring m_shortcut;
};

TEST_F(StartupShortcutTest, StartupFolderIsTheUsers) {
  wchar_t startup[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathW(nullptr, startup, CSIDL_STARTUP, FALSE));
  EXPECT_EQ(StartupFolder(), startup);
  EXPECT_EQ(ShortcutPathIn(StartupFolder()), std::wstring(startup) + L"\\Brimlet.lnk");
}

TEST_F(StartupShortcutTest, CreatedWithTheExecutablesPathOverwrittenAndDeleted) {
  ASSERT_TRUE(::CreateDirectoryW(m_folder.File(L"Startup").c_str(), nullptr));
  const std::wstring exe = PlaceExecutable(L"带 空格 的 文件夹");
  UpdateStartupShortcut(true, m_shortcut, exe);
  ASSERT_TRUE(::PathFileExistsW(m_shortcut.c_str()));
  ShortcutContents contents = ReadShortcut(m_shortcut);
  EXPECT_EQ(contents.target, exe) << "target kept whole, without quotes";
  EXPECT_EQ(contents.description, L"Brimlet");
  EXPECT_EQ(contents.workingFolder, exe.substr(0, exe.rfind(L'\\'))) << "started in its own folder";

  // A later OK rewrites it with the executable's present place.
  const std::wstring moved = PlaceExecutable(L"moved here");
  UpdateStartupShortcut(true, m_shortcut, moved);
  EXPECT_EQ(ReadShortcut(m_shortcut).target, moved);

  UpdateStartupShortcut(false, m_shortcut, moved);
  EXPECT_FALSE(::PathFileExistsW(m_shortcut.c_str()));
  UpdateStartupShortcut(false, m_shortcut, moved);  // nothing to delete: no harm
  EXPECT_FALSE(::PathFileExistsW(m_shortcut.c_str()));
  UpdateStartupShortcut(true, L"", moved);  // no Startup folder: nothing anywhere
  EXPECT_EQ(m_folder.FileCount(), 0U);
}

// Shortcuts as scripts, deployment tools and Explorer make them, on a machine
// whose drives come and go: only a program that is certainly gone is replaced
// by the running one, with its working folder and its icon.
class FakeShortcutFiles final : public ShortcutFiles {
 public:
  ShortcutFields stored;
  std::vector<std::pair<std::wstring, std::wstring>> variables;  // "%NAME%" and its value
  std::vector<std::pair<std::wstring, PathState>> paths;         // what is known of a path; else Unknown
  int writes = 0;
  ShortcutFields written;

  bool Read(const std::wstring&, ShortcutFields& fields) override {
    fields = stored;
    return true;
  }
  void Write(const std::wstring&, const ShortcutFields& fields) override {
    ++writes;
    written = fields;
  }
  std::wstring Expand(const std::wstring& path) override {
    std::wstring expanded = path;
    for (const auto& [name, value] : variables) {
      for (size_t at = expanded.find(name); at != std::wstring::npos; at = expanded.find(name)) {
        expanded.replace(at, name.size(), value);
      }
    }
    return expanded;
  }
  PathState Look(const std::wstring& path) override {
    for (const auto& [known, state] : paths) {
      if (known == path) return state;
    }
    return PathState::Unknown;
  }
};

TEST(StartupShortcutRepair, OnlyAProgramThatIsCertainlyGoneIsReplacedWithItsFolderAndIcon) {
  const std::wstring running = L"C:\\Users\\li\\Downloads\\Brimlet.exe";
  const std::wstring chosen = L"C:\\Users\\li\\Tools\\Brimlet.exe";
  FakeShortcutFiles files;
  files.variables = {{L"%USERPROFILE%", L"C:\\Users\\li"}};
  files.stored = {L"%USERPROFILE%\\Tools\\Brimlet.exe", L"%USERPROFILE%\\Tools", L"%USERPROFILE%\\Tools\\Brimlet.exe", 0};

  files.paths = {{chosen, PathState::Present}};
  RepairStartupShortcut(files, L"Brimlet.lnk", running);
  EXPECT_EQ(files.writes, 0) << "the copy the variable names is there: a test build elsewhere changes nothing";
  files.stored.target = L"E:\\Tools\\Brimlet.exe";
  RepairStartupShortcut(files, L"Brimlet.lnk", running);
  EXPECT_EQ(files.writes, 0) << "a drive not mounted yet may hold it";

  files.stored.target = L"%USERPROFILE%\\Tools\\Brimlet.exe";
  files.paths = {{chosen, PathState::Missing}};
  RepairStartupShortcut(files, L"Brimlet.lnk", running);
  ASSERT_EQ(files.writes, 1);
  EXPECT_EQ(files.written.target, running);
  EXPECT_EQ(files.written.workingFolder, L"C:\\Users\\li\\Downloads") << "Explorer's working folder follows";
  EXPECT_EQ(files.written.iconFile, running) << "and its icon, which was the old copy's";

  files.stored.iconFile = L"C:\\Icons\\mine.ico";
  RepairStartupShortcut(files, L"Brimlet.lnk", running);
  EXPECT_EQ(files.written.iconFile, L"C:\\Icons\\mine.ico") << "an icon of the user's own stays";
}

TEST(StartupShortcutPath, UnknownFolderGivesNoPathRatherThanTheDriveRoot) {
  EXPECT_EQ(ShortcutPathIn(L""), L"");
  EXPECT_EQ(ShortcutPathIn(L"C:\\用户\\启动"), L"C:\\用户\\启动\\Brimlet.lnk");
}

}  // namespace
