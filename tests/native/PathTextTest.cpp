#include "core/PathText.h"

#include <gtest/gtest.h>

namespace {

TEST(DirectoryPart, KeepsTheTrailingBackslash) {
  EXPECT_EQ(DirectoryPart(L"C:\\Tools\\Bar\\app.exe"), L"C:\\Tools\\Bar\\");
  EXPECT_EQ(DirectoryPart(L"C:\\Program Files\\带 空格\\Brimlet.exe"), L"C:\\Program Files\\带 空格\\");
  EXPECT_EQ(DirectoryPart(L"\\\\server\\share\\Brimlet.exe"), L"\\\\server\\share\\");
}

TEST(DirectoryPart, NoBackslashMeansNoFolder) {
  // The configuration path then is the bare relative name.
  EXPECT_EQ(DirectoryPart(L"Brimlet.exe"), L"");
  EXPECT_EQ(DirectoryPart(L""), L"");
}

TEST(FileTitle, DropsFolderAndExtension) {
  EXPECT_EQ(FileTitle(L"C:\\Tools\\Brimlet.exe"), L"Brimlet");
  EXPECT_EQ(FileTitle(L"C:\\a.b\\My.Tool.exe"), L"My.Tool");
  EXPECT_EQ(FileTitle(L"C:\\Tools\\NoExtension"), L"NoExtension");
  EXPECT_EQ(FileTitle(L"Brimlet.exe"), L"Brimlet");
}

}  // namespace

namespace {

TEST(WithoutLongPathPrefix, GivesTheOrdinaryFormOfDriveAndNetworkPaths) {
  EXPECT_EQ(WithoutLongPathPrefix(L"\\\\?\\C:\\Tools\\config.ini"), L"C:\\Tools\\config.ini");
  EXPECT_EQ(WithoutLongPathPrefix(L"\\\\?\\UNC\\host\\share\\config.ini"), L"\\\\host\\share\\config.ini");
  EXPECT_EQ(WithoutLongPathPrefix(L"C:\\plain.ini"), L"C:\\plain.ini");
  // A volume name has no ordinary form: unchanged.
  EXPECT_EQ(WithoutLongPathPrefix(L"\\\\?\\Volume{1}\\x.ini"), L"\\\\?\\Volume{1}\\x.ini");
}

}  // namespace

namespace {

TEST(LinkedPath, StoredTargetsOfEveryFormBecomeOneAbsolutePath) {
  const std::wstring link = L"C:\\Tools\\Brimlet\\config.ini";
  EXPECT_EQ(LinkedPath(link, L"\\??\\D:\\Sync\\config.ini"), L"D:\\Sync\\config.ini");
  EXPECT_EQ(LinkedPath(link, L"\\??\\UNC\\nas\\home\\config.ini"), L"\\\\nas\\home\\config.ini");
  EXPECT_EQ(LinkedPath(link, L"E:\\a\\.\\b\\..\\config.ini"), L"E:\\a\\config.ini");
  EXPECT_EQ(LinkedPath(link, L"real\\target.ini"), L"C:\\Tools\\Brimlet\\real\\target.ini");
  EXPECT_EQ(LinkedPath(link, L"..\\..\\..\\..\\shared.ini"), L"C:\\shared.ini") << "never above the root";
  EXPECT_EQ(LinkedPath(link, L"\\Users\\config.ini"), L"C:\\Users\\config.ini");
  EXPECT_EQ(LinkedPath(L"\\\\nas\\home\\config.ini", L"..\\other.ini"), L"\\\\nas\\home\\other.ini");
  EXPECT_EQ(LinkedPath(L"\\\\nas\\home\\config.ini", L"\\Users\\config.ini"), L"\\\\nas\\home\\Users\\config.ini")
      << "from the root of the share";
  EXPECT_EQ(LinkedPath(link, L"d:\\sync\\config.ini"), L"d:\\sync\\config.ini") << "a lower-case drive";
}

TEST(IsAbsolutePath, DrivesAndNetworkPathsOnly) {
  EXPECT_TRUE(IsAbsolutePath(L"C:\\Tools\\Brimlet.exe"));
  EXPECT_TRUE(IsAbsolutePath(L"\\\\nas\\tools\\Brimlet.exe"));
  EXPECT_FALSE(IsAbsolutePath(L"%TOOLS%\\Brimlet.exe")) << "a variable nobody set";
  EXPECT_FALSE(IsAbsolutePath(L"Brimlet.exe"));
  EXPECT_FALSE(IsAbsolutePath(L"C:Brimlet.exe"));
}

}  // namespace
