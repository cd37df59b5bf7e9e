#include "config/ConfigFile.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "core/IniText.h"
#include "core/SaveNames.h"
#include "config/TextCodec.h"
#include "core/ValueText.h"
#include "core/PathText.h"
#include "framework/UniqueHandle.h"

namespace {

enum class ReadOutcome { Missing, Read, Unreadable };

// A leftover younger than this may belong to a save that is still running.
constexpr ULONGLONG kLeftoverAge = 60ULL * 10'000'000;  // in 100 ns units

bool IsMissingFileError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// The steps of one save, each of which a test may make fail.
class SaveSteps {
 public:
  explicit SaveSteps(SaveFaults faults) : m_faults(faults) {}
  bool Fails(SaveStep step) const { return m_faults != nullptr && m_faults(step); }

 private:
  SaveFaults m_faults;
};

// Fails as a system call does, leaving `error` as the last error.
bool Fail(DWORD error) {
  ::SetLastError(error);
  return false;
}

ReadOutcome ReadWholeFile(const std::wstring& path, std::string& bytes) {
  const UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return IsMissingFileError(::GetLastError()) ? ReadOutcome::Missing : ReadOutcome::Unreadable;

  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || static_cast<ULONGLONG>(size.QuadPart) > kLargestConfigFile) {
    return ReadOutcome::Unreadable;
  }
  bytes.reserve(static_cast<size_t>(size.QuadPart));
  char chunk[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr)) return ReadOutcome::Unreadable;
    if (read == 0) return ReadOutcome::Read;
    // The file may have grown since its size was taken.
    if (bytes.size() + read > kLargestConfigFile) return ReadOutcome::Unreadable;
    bytes.append(chunk, read);
  }
}

std::wstring DecodeFileText(const PreparedText& prepared) {
  switch (prepared.encoding) {
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
      return NormaliseDecodedText(
          Utf16FromBytes(prepared.bytes, prepared.encoding == TextEncoding::Utf16BigEndian));
    case TextEncoding::Utf8:
      return DecodeBytes(prepared.bytes, CP_UTF8);
    case TextEncoding::Ansi:
      break;
  }
  return DecodeBytes(prepared.bytes, CP_ACP);
}

// The file a symbolic link at `path` leads to, so a save replaces the target and
// the link stays a link; `path` itself for a plain file or a missing one.
std::wstring SaveTarget(const std::wstring& path) {
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

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD wrote = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1U << 20));
    if (!::WriteFile(file, bytes.data(), chunk, &wrote, nullptr) || wrote != chunk) return false;
    bytes.remove_prefix(wrote);
  }
  return true;
}

HANDLE CreateTemporaryFile(const SaveSteps& steps, const std::wstring& name) {
  if (steps.Fails(SaveStep::CreateTemporary) || steps.Fails(SaveStep::CreateTemporaryDenied)) {
    ::SetLastError(steps.Fails(SaveStep::CreateTemporary) ? ERROR_DISK_FULL : ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  return ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Writes `bytes` to a new file beside `target` and flushes it to the disk.
// `createDenied`: the file could not be created for lack of rights.
bool WriteTemporary(const SaveSteps& steps, const std::wstring& target, std::string_view bytes, std::wstring& temporary,
                    bool& createDenied) {
  UniqueKernelHandle file;
  for (uint32_t attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = SaveSiblingName(target, ::GetCurrentProcessId(), attempt, kTemporarySuffix);
    file.reset(CreateTemporaryFile(steps, temporary));
    if (!file && ::GetLastError() != ERROR_FILE_EXISTS) {
      createDenied = ::GetLastError() == ERROR_ACCESS_DENIED;
      return false;
    }
  }
  if (!file) return false;

  bool written = !steps.Fails(SaveStep::Write) && WriteAll(file.get(), bytes);
  written = written && !steps.Fails(SaveStep::Flush) && ::FlushFileBuffers(file.get());
  written = ::CloseHandle(file.release()) && written;
  if (!written) ::DeleteFileW(temporary.c_str());
  return written;
}

bool MoveStep(const SaveSteps& steps, const std::wstring& from, const std::wstring& to, DWORD flags, SaveStep step) {
  if (steps.Fails(step)) return Fail(ERROR_ACCESS_DENIED);
  return ::MoveFileExW(from.c_str(), to.c_str(), flags) != FALSE;
}

bool ReplaceStep(const SaveSteps& steps, const std::wstring& target, const std::wstring& temporary, const std::wstring& backup) {
  if (steps.Fails(SaveStep::Replace)) return Fail(ERROR_UNABLE_TO_REMOVE_REPLACED);
  if (steps.Fails(SaveStep::ReplaceMovesOldAside)) {
    ::MoveFileExW(target.c_str(), backup.c_str(), 0);
    return Fail(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
  }
  return ::ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) != FALSE;
}

// Puts `temporary` in the place of `target` in one step.
bool ReplaceWith(const SaveSteps& steps, const std::wstring& target, const std::wstring& temporary, bool targetExists) {
  constexpr DWORD kReplacing = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  if (!targetExists) {
    if (MoveStep(steps, temporary, target, kReplacing, SaveStep::Replace)) return true;
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  // With a backup name a failed replace leaves both files where they were, or
  // the old one at the backup name, from where it is put back.
  const std::wstring backup = SaveSiblingName(target, ::GetCurrentProcessId(), 0, kBackupSuffix);
  if (ReplaceStep(steps, target, temporary, backup)) {
    ::DeleteFileW(backup.c_str());
    return true;
  }
  if (::GetLastError() != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  if (MoveStep(steps, backup, target, 0, SaveStep::RestoreOld)) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  // Neither content is in place now: keep the new one under a name people can find.
  MoveStep(steps, temporary, target + std::wstring(kKeptNewSuffix), kReplacing, SaveStep::KeepNew);
  return false;
}

// From the start: `content` and nothing behind it, flushed to the disk.
bool Rewrite(HANDLE file, std::string_view content, bool failAfterEmptying) {
  LARGE_INTEGER start{};
  if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) return false;
  if (failAfterEmptying) return Fail(ERROR_DISK_FULL);
  return WriteAll(file, content) && ::FlushFileBuffers(file);
}

bool ReadsBack(const SaveSteps& steps, HANDLE file, std::string_view expected) {
  if (steps.Fails(SaveStep::InPlaceReadBack)) return false;
  LARGE_INTEGER start{};
  if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return false;
  std::string actual(expected.size() + 1, '\0');
  DWORD read = 0;
  size_t total = 0;
  while (total < actual.size() &&
         ::ReadFile(file, actual.data() + total, static_cast<DWORD>(actual.size() - total), &read, nullptr) &&
         read != 0) {
    total += read;
  }
  return total == expected.size() && std::string_view(actual).substr(0, total) == expected;
}

// The last resort where files may be written but not created: rewrites the file
// itself, checks what it reads back, and puts the old bytes back on failure.
bool WriteInPlace(const SaveSteps& steps, const std::wstring& target, std::string_view bytes, std::string_view original) {
  const UniqueKernelHandle file(::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (Rewrite(file.get(), bytes, steps.Fails(SaveStep::InPlaceWrite)) && ReadsBack(steps, file.get(), bytes)) return true;
  Rewrite(file.get(), original, false);
  return false;
}

bool IsOlderThan(const FILETIME& written, const FILETIME& now, ULONGLONG age) {
  const ULONGLONG then = (static_cast<ULONGLONG>(written.dwHighDateTime) << 32U) | written.dwLowDateTime;
  const ULONGLONG current = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32U) | now.dwLowDateTime;
  return current > then && current - then >= age;
}

}  // namespace

ConfigFile::ConfigFile(std::wstring filePath) : path(std::move(filePath)) {
  const ReadOutcome outcome = ReadWholeFile(path, m_original);
  m_unreadable = outcome == ReadOutcome::Unreadable;
  if (outcome != ReadOutcome::Read) {
    m_original.clear();
    return;
  }
  m_read = PrepareFileBytes(m_original);
  text = DecodeFileText(m_read);
  m_read.bytes.clear();  // decoded into `text`; only the encoding and the rest are kept
}

std::wstring ConfigFile::GetValue(const std::wstring& key, const std::wstring& defaultValue) const {
  return ini::GetValue(text, key, defaultValue);
}

void ConfigFile::SetValue(const std::wstring& key, const std::wstring& value) { ini::SetValue(text, key, value); }

void ConfigFile::SetBool(const std::wstring& key, bool value) { SetValue(key, FormatBool(value)); }

void ConfigFile::SetInt(const std::wstring& key, int32_t value) { SetValue(key, FormatInt32(value)); }

bool ConfigFile::Save(SaveFaults faults) const {
  if (m_unreadable) return false;
  std::string bytes;
  if (!DiskBytesKeepingRest(EncodeUtf8(UpToNul(text)), m_read, bytes)) return false;

  const std::wstring target = SaveTarget(path);
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists && !IsMissingFileError(::GetLastError())) return false;
  // Checked here because a replace would go through where a plain write is refused.
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

  std::wstring temporary;
  bool createDenied = false;
  const SaveSteps steps(faults);
  if (!WriteTemporary(steps, target, bytes, temporary, createDenied)) {
    return createDenied && exists && WriteInPlace(steps, target, bytes, m_original);
  }
  return ReplaceWith(steps, target, temporary, exists);
}

void RemoveSaveLeftovers(const std::wstring& configPath) {
  const std::wstring target = SaveTarget(configPath);
  const std::wstring folder = DirectoryPart(target);
  const std::wstring fileName = target.substr(folder.size());
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle search(::FindFirstFileW((target + L".*").c_str(), &found));
  if (!search) return;
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !IsSaveLeftoverName(found.cFileName, fileName) ||
        !IsOlderThan(found.ftLastWriteTime, now, kLeftoverAge)) {
      continue;
    }
    ::DeleteFileW((folder + found.cFileName).c_str());
  } while (::FindNextFileW(search.get(), &found));
}
