#include "config/SaveFiles.h"

#include <algorithm>

HANDLE SaveFiles::CreateNew(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE SaveFiles::OpenExisting(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SaveFiles::Write(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD wrote = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1U << 20));
    if (!::WriteFile(file, bytes.data(), chunk, &wrote, nullptr) || wrote != chunk) return false;
    bytes.remove_prefix(wrote);
  }
  return true;
}

bool SaveFiles::Flush(HANDLE file) { return ::FlushFileBuffers(file) != FALSE; }

bool SaveFiles::SetEnd(HANDLE file) { return ::SetEndOfFile(file) != FALSE; }

bool SaveFiles::Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) {
  return ::ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) != FALSE;
}

bool SaveFiles::Move(const std::wstring& from, const std::wstring& to, DWORD flags) {
  return ::MoveFileExW(from.c_str(), to.c_str(), flags) != FALSE;
}
