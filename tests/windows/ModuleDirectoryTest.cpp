#include "app/ModuleDirectory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ApplicationTitle.h"
#include "framework/ModuleFileName.h"

namespace {

TEST(ModuleDirectory, IsTheExecutablesFolderWithItsBackslash) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring full = path;
  const std::wstring folder = ModuleDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(full.rfind(folder, 0), 0U) << "not a prefix of " << std::string(full.begin(), full.end());
  EXPECT_EQ(full.find(L'\\', folder.size()), std::wstring::npos);
  EXPECT_EQ(ModuleFileName(), full);
}

TEST(ApplicationTitle, IsTheExecutablesNameWithoutExtension) {
  EXPECT_EQ(ApplicationTitle(), L"brimlet_windows_tests");
}

}  // namespace
