#include "framework/Executable.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Executable, PathFolderWithItsBackslashAndTitle) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring full = path;
  const std::wstring folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(full.rfind(folder, 0), 0U) << "not a prefix of " << std::string(full.begin(), full.end());
  EXPECT_EQ(full.find(L'\\', folder.size()), std::wstring::npos);
  EXPECT_EQ(ExecutablePath(), full);
  EXPECT_EQ(ExecutableTitle(), L"brimlet_windows_tests");
}

}  // namespace
