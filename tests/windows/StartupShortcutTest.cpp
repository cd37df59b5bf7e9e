#include "ui/settings/StartupShortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "app/BrimletApp.h"
#include "app/ComApartment.h"
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
  void SetUp() override {
    m_savedExePath = theApp.m_exePath;
    ::DeleteFileW(g_shortcutPath.c_str());
  }
  void TearDown() override {
    ::DeleteFileW(g_shortcutPath.c_str());
    theApp.m_exePath = m_savedExePath;
  }
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
  std::wstring m_savedExePath;
};

TEST_F(StartupShortcutTest, LivesInTheUsersStartupFolder) {
  wchar_t startup[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathW(nullptr, startup, CSIDL_STARTUP, FALSE));
  EXPECT_EQ(g_shortcutPath, std::wstring(startup) + L"\\Brimlet.lnk");
}

TEST_F(StartupShortcutTest, CreatedWithTheExecutablesPathOverwrittenAndDeleted) {
  theApp.m_exePath = PlaceExecutable(L"带 空格 的 文件夹");
  UpdateStartupShortcut(true);
  ASSERT_TRUE(::PathFileExistsW(g_shortcutPath.c_str()));
  ShortcutContents contents = ReadShortcut(g_shortcutPath);
  EXPECT_EQ(contents.target, theApp.m_exePath) << "target kept whole, without quotes";
  EXPECT_EQ(contents.description, L"Brimlet");

  // A later OK rewrites it with the executable's present place.
  theApp.m_exePath = PlaceExecutable(L"moved here");
  UpdateStartupShortcut(true);
  EXPECT_EQ(ReadShortcut(g_shortcutPath).target, theApp.m_exePath);

  UpdateStartupShortcut(false);
  EXPECT_FALSE(::PathFileExistsW(g_shortcutPath.c_str()));
  UpdateStartupShortcut(false);  // nothing to delete: no harm
  EXPECT_FALSE(::PathFileExistsW(g_shortcutPath.c_str()));
}

TEST(StartupShortcutPath, UnknownFolderGivesNoPathRatherThanTheDriveRoot) {
  EXPECT_EQ(ShortcutPathIn(L""), L"");
  EXPECT_EQ(ShortcutPathIn(L"C:\\用户\\启动"), L"C:\\用户\\启动\\Brimlet.lnk");
}

}  // namespace
