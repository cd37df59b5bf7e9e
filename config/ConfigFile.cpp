#include "config/ConfigFile.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "config/IniText.h"
#include "config/TextBytes.h"
#include "config/TextCodec.h"
#include "config/ValueText.h"
#include "framework/UniqueHandle.h"

bool (*g_saveStepFailsForTest)(SaveStep step) = nullptr;

namespace {

// Far beyond any settings file; a larger one is not loaded into memory.
constexpr ULONGLONG kLargestReadableFile = 64ULL * 1024 * 1024;

enum class ReadOutcome { Missing, Read, Unreadable };

bool IsMissingFileError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

ReadOutcome ReadWholeFile(const std::wstring& path, std::string& bytes) {
  const UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return IsMissingFileError(::GetLastError()) ? ReadOutcome::Missing : ReadOutcome::Unreadable;

  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || static_cast<ULONGLONG>(size.QuadPart) > kLargestReadableFile) {
    return ReadOutcome::Unreadable;
  }
  bytes.reserve(static_cast<size_t>(size.QuadPart));
  char chunk[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr)) return ReadOutcome::Unreadable;
    if (read == 0) return ReadOutcome::Read;
    if (bytes.size() + read > kLargestReadableFile) return ReadOutcome::Unreadable;
    bytes.append(chunk, read);
  }
}

std::wstring DecodeFileText(std::string_view raw) {
  const PreparedText prepared = PrepareFileBytes(raw);
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

bool StepFails(SaveStep step) { return g_saveStepFailsForTest != nullptr && g_saveStepFailsForTest(step); }

// A name beside `path` that nothing else uses: `path`.<pid>-<n><suffix>.
std::wstring SiblingName(const std::wstring& path, unsigned attempt, const wchar_t* suffix) {
  return path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + suffix;
}

// Writes `bytes` to a new file beside `path` and flushes it to the disk.
bool WriteTemporary(const std::wstring& path, std::string_view bytes, std::wstring& temporary) {
  if (StepFails(SaveStep::CreateTemporary)) return false;
  UniqueKernelHandle file;
  for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = SiblingName(path, attempt, L".tmp");
    file.reset(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    if (!file && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (!file) return false;

  bool written = !StepFails(SaveStep::Write);
  while (written && !bytes.empty()) {
    DWORD wrote = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1U << 20));
    written = ::WriteFile(file.get(), bytes.data(), chunk, &wrote, nullptr) && wrote == chunk;
    bytes.remove_prefix(wrote);
  }
  written = written && !StepFails(SaveStep::Flush) && ::FlushFileBuffers(file.get());
  written = ::CloseHandle(file.release()) && written;
  if (!written) ::DeleteFileW(temporary.c_str());
  return written;
}

// Puts `temporary` in the place of `path` in one step.
bool ReplaceWith(const std::wstring& path, const std::wstring& temporary, bool pathExists) {
  if (StepFails(SaveStep::Replace)) return false;
  if (!pathExists) {
    return ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  // With a backup name a failed replace leaves both files where they were, or
  // the old one at the backup name, from where it is put back.
  const std::wstring backup = SiblingName(path, 0, L".bak");
  if (::ReplaceFileW(path.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr)) {
    ::DeleteFileW(backup.c_str());
    return true;
  }
  if (::GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) ::MoveFileExW(backup.c_str(), path.c_str(), 0);
  return false;
}

}  // namespace

ConfigFile::ConfigFile(std::wstring filePath) : path(std::move(filePath)) {
  std::string raw;
  const ReadOutcome outcome = ReadWholeFile(path, raw);
  m_unreadable = outcome == ReadOutcome::Unreadable;
  if (outcome == ReadOutcome::Read) text = DecodeFileText(raw);
}

std::wstring ConfigFile::GetValue(const std::wstring& key, const std::wstring& defaultValue) const {
  return ini::GetValue(text, key, defaultValue);
}

void ConfigFile::SetValue(const std::wstring& key, const std::wstring& value) { ini::SetValue(text, key, value); }

void ConfigFile::SetBool(const std::wstring& key, bool value) { SetValue(key, FormatBool(value)); }

void ConfigFile::SetInt(const std::wstring& key, int32_t value) { SetValue(key, FormatInt32(value)); }

bool ConfigFile::Save() const {
  if (m_unreadable) return false;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists && !IsMissingFileError(::GetLastError())) return false;
  // Checked here because a replace would go through where a plain write is refused.
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

  const std::string bytes = DiskBytesFromUtf8(EncodeUtf8(UpToNul(text)));
  std::wstring temporary;
  if (!WriteTemporary(path, bytes, temporary)) return false;
  if (!ReplaceWith(path, temporary, exists)) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}
