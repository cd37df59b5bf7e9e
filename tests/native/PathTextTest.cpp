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
