#pragma once
// A temporary folder for one test, removed with everything in it afterwards.
#include <windows.h>

#include <string>

#include "tests/support/TestFiles.h"

class TestFolder {
 public:
  explicit TestFolder(const std::wstring& name = L"");
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::wstring& path() const { return m_path; }
  std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
  // Names of the files in the folder.
  size_t FileCount() const;

 private:
  std::wstring m_path;
};
