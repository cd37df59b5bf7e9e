#include "config/SaveFiles.h"

#include <winioctl.h>

#include <algorithm>
#include <cstring>

#include "core/PathText.h"
#include "framework/UniqueHandle.h"

namespace {

uint64_t FileTimeValue(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32U) | time.dwLowDateTime;
}

}  // namespace

DWORD SystemSaveFiles::Attributes(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()); }

bool SystemSaveFiles::LinkTarget(const std::wstring& path, std::wstring& stored) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  // The link itself, not what it leads to: that may be missing.
  const UniqueKernelHandle link(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING,
                                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!link) return false;
  // The symbolic link's reparse data, as the file system documents it: tag,
  // sizes, then the substitute and print names in one buffer after the flags.
  struct SymbolicLinkData {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteOffset;
    USHORT substituteLength;
    USHORT printOffset;
    USHORT printLength;
    ULONG flags;
  };
  constexpr ULONG kSymbolicLinkTag = 0xA000000CUL;  // IO_REPARSE_TAG_SYMLINK
  alignas(ULONG) unsigned char buffer[16 * 1024];
  DWORD returned = 0;
  if (!::DeviceIoControl(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer, sizeof(buffer), &returned,
                         nullptr) ||
      returned < sizeof(SymbolicLinkData)) {
    return false;
  }
  SymbolicLinkData data{};
  std::memcpy(&data, buffer, sizeof(data));
  if (data.tag != kSymbolicLinkTag) return false;
  const auto name = [&](USHORT offset, USHORT length) {
    if (sizeof(SymbolicLinkData) + size_t{offset} + length > returned) return std::wstring();
    std::wstring text(length / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), buffer + sizeof(SymbolicLinkData) + offset, text.size() * sizeof(wchar_t));
    return text;
  };
  stored = name(data.printOffset, data.printLength);
  if (stored.empty()) stored = name(data.substituteOffset, data.substituteLength);
  return !stored.empty();
}

std::wstring SystemSaveFiles::FinalPath(const std::wstring& path) {
  const UniqueKernelHandle file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return path;
  std::wstring final(MAX_PATH, L'\0');
  for (;;) {
    const auto size = static_cast<DWORD>(final.size());
    const DWORD length =
        ::GetFinalPathNameByHandleW(file.get(), final.data(), size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return path;
    if (length < size) {
      final.resize(length);
      break;
    }
    final.resize(length);  // too small: `length` is the size needed
  }
  std::wstring target = WithoutLongPathPrefix(final);
  // Only an ordinary drive or network path; anything else the system may hand
  // back is no better than the path itself.
  return target == final ? path : target;
}

uint32_t SystemSaveFiles::NameCount(const std::wstring& path) {
  const UniqueKernelHandle file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !::GetFileInformationByHandle(file.get(), &information) || information.nNumberOfLinks == 0) return 1;
  return information.nNumberOfLinks;
}

HANDLE SystemSaveFiles::CreateNew(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE SystemSaveFiles::OpenExisting(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE SystemSaveFiles::OpenForReading(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SystemSaveFiles::Close(HANDLE file) { return ::CloseHandle(file) != FALSE; }

bool SystemSaveFiles::Write(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD wrote = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1U << 20));
    if (!::WriteFile(file, bytes.data(), chunk, &wrote, nullptr) || wrote != chunk) return false;
    bytes.remove_prefix(wrote);
  }
  return true;
}

bool SystemSaveFiles::Flush(HANDLE file) { return ::FlushFileBuffers(file) != FALSE; }

bool SystemSaveFiles::SetEnd(HANDLE file) { return ::SetEndOfFile(file) != FALSE; }

bool SystemSaveFiles::Rewind(HANDLE file) {
  LARGE_INTEGER start{};
  return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != FALSE;
}

bool SystemSaveFiles::Read(HANDLE file, size_t most, std::string& bytes) {
  bytes.assign(most, '\0');
  size_t total = 0;
  DWORD read = 0;
  bool ok = true;
  while (total < most) {
    const auto chunk = static_cast<DWORD>(std::min<size_t>(most - total, 1U << 20));
    ok = ::ReadFile(file, bytes.data() + total, chunk, &read, nullptr) != FALSE;
    if (!ok || read == 0) break;
    total += read;
  }
  bytes.resize(total);
  return ok;
}

bool SystemSaveFiles::Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) {
  return ::ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) != FALSE;
}

bool SystemSaveFiles::Move(const std::wstring& from, const std::wstring& to, DWORD flags) {
  return ::MoveFileExW(from.c_str(), to.c_str(), flags) != FALSE;
}

bool SystemSaveFiles::Delete(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != FALSE; }

std::vector<FoundFile> SystemSaveFiles::Find(const std::wstring& pattern) {
  std::vector<FoundFile> found;
  WIN32_FIND_DATAW entry{};
  const UniqueFindHandle search(::FindFirstFileW(pattern.c_str(), &entry));
  if (!search) return found;
  do {
    found.push_back({entry.cFileName, FileTimeValue(entry.ftLastWriteTime),
                     (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (::FindNextFileW(search.get(), &entry));
  return found;
}

uint64_t SystemSaveFiles::Now() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return FileTimeValue(now);
}
