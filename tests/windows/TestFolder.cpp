#include "tests/windows/TestFolder.h"

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

TestFolder::TestFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string testName = test ? std::string(test->test_suite_name()) + "." + test->name() : "test";
  m_path = std::wstring(temp) + L"brimlet-unit-" + std::wstring(testName.begin(), testName.end()) + name;
  RemoveTree(m_path);
  ::CreateDirectoryW(m_path.c_str(), nullptr);
}

TestFolder::~TestFolder() { RemoveTree(m_path); }

size_t TestFolder::FileCount() const {
  size_t count = 0;
  WIN32_FIND_DATAW entry;
  HANDLE search = ::FindFirstFileW((m_path + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
  return count;
}

