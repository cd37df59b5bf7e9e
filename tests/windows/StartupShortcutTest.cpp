#include "config/StartupShortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "framework/UniqueHandle.h"
#include "tests/windows/TestFolder.h"

namespace {

struct ShortcutContents {
  std::wstring target;
  std::wstring description;
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

TEST(StartupShortcutPath, UnknownFolderGivesNoPathRatherThanTheDriveRoot) {
  EXPECT_EQ(ShortcutPathIn(L""), L"");
  EXPECT_EQ(ShortcutPathIn(L"C:\\用户\\启动"), L"C:\\用户\\启动\\Brimlet.lnk");
}

}  // namespace
