#include "config/ConfigFile.h"

#include <windows.h>

#include <climits>
#include <utility>
#include <vector>

#include "core/SaveNames.h"
#include "core/PathText.h"

namespace {

enum class ReadOutcome { Missing, Read, Unreadable };

// A leftover younger than this may belong to a save that is still running.
constexpr ULONGLONG kLeftoverAge = 60ULL * 10'000'000;  // in 100 ns units

// 8-bit text in a code page (CP_ACP, CP_UTF8), invalid sequences replaced as
// the platform does without strict checking.
std::wstring DecodeBytes(std::string_view bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int units = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (units <= 0) return {};
  std::wstring text(static_cast<size_t>(units), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), units);
  return text;
}

std::string EncodeUtf8(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX / 4) return {};
  const int length = static_cast<int>(text.size());
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

bool IsMissingFileError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A handle the seam gave, closed through it.
class SeamHandle {
 public:
  SeamHandle(SaveFiles& files, HANDLE handle) : m_files(files), m_handle(handle) {}
  ~SeamHandle() { Close(); }
  SeamHandle(const SeamHandle&) = delete;
  SeamHandle& operator=(const SeamHandle&) = delete;

  HANDLE get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
  void reset(HANDLE handle) {
    Close();
    m_handle = handle;
  }
  // False when the close failed.
  bool Close() {
    const bool open = static_cast<bool>(*this);
    const HANDLE handle = std::exchange(m_handle, nullptr);
    return !open || m_files.Close(handle);
  }

 private:
  SaveFiles& m_files;
  HANDLE m_handle;
};

ReadOutcome ReadWholeFile(SaveFiles& files, const std::wstring& path, std::string& bytes) {
  SeamHandle file(files, files.OpenForReading(path));
  if (!file) return IsMissingFileError(::GetLastError()) ? ReadOutcome::Missing : ReadOutcome::Unreadable;
  // A byte past the largest file tells a larger one (or one that grew meanwhile).
  if (!files.Read(file.get(), kLargestConfigFile + 1, bytes) || bytes.size() > kLargestConfigFile) {
    return ReadOutcome::Unreadable;
  }
  return ReadOutcome::Read;
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

// The file a symbolic link at `path` leads to, through every link of a chain,
// whether it exists or not, so a save replaces that file and a link stays a
// link; `path` itself for a plain file or a missing one.
std::wstring SaveTarget(SaveFiles& files, const std::wstring& path) {
  std::wstring current = path;
  std::wstring stored;
  // A chain longer than the system follows is a loop: no file to save.
  for (int link = 0; link < 32 && files.LinkTarget(current, stored); ++link) current = LinkedPath(current, stored);
  // Where links cannot be read as links, the system may still resolve them.
  return current == path ? files.FinalPath(path) : current;
}

// Writes `bytes` to a new file beside `target` and flushes it to the disk.
// `createDenied`: the file could not be created for lack of rights.
bool WriteTemporary(SaveFiles& files, const std::wstring& target, std::string_view bytes, std::wstring& temporary,
                    bool& createDenied) {
  SeamHandle file(files, nullptr);
  for (uint32_t attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = SaveSiblingName(target, ::GetCurrentProcessId(), attempt, kTemporarySuffix);
    file.reset(files.CreateNew(temporary));
    if (!file && ::GetLastError() != ERROR_FILE_EXISTS) {
      createDenied = ::GetLastError() == ERROR_ACCESS_DENIED;
      return false;
    }
  }
  if (!file) return false;

  bool written = files.Write(file.get(), bytes) && files.Flush(file.get());
  written = file.Close() && written;
  if (!written) files.Delete(temporary);
  return written;
}

// Puts `temporary` in the place of `target` in one step.
bool ReplaceWith(SaveFiles& files, const std::wstring& target, const std::wstring& temporary, bool targetExists) {
  constexpr DWORD kReplacing = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  if (!targetExists) {
    if (files.Move(temporary, target, kReplacing)) return true;
    files.Delete(temporary);
    return false;
  }
  // With a backup name a failed replace leaves both files where they were, or
  // the old one at the backup name, from where it is put back.
  const std::wstring backup = SaveSiblingName(target, ::GetCurrentProcessId(), 0, kBackupSuffix);
  if (files.Replace(target, temporary, backup)) {
    files.Delete(backup);
    return true;
  }
  if (::GetLastError() != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
    files.Delete(temporary);
    return false;
  }
  if (files.Move(backup, target, 0)) {
    files.Delete(temporary);
    return false;
  }
  // Neither content is in place now: keep the new one under a name people can find.
  files.Move(temporary, target + std::wstring(kKeptNewSuffix), kReplacing);
  return false;
}

// From the start: `content` and nothing behind it, on the disk. The new bytes
// are written over the old ones and flushed before the file is cut, so a power
// cut leaves the old bytes, the new ones over the old, or the new ones alone:
// never the old bytes cut to the new length.
bool Rewrite(SaveFiles& files, HANDLE file, std::string_view content) {
  return files.Rewind(file) && files.Write(file, content) && files.Flush(file) && files.SetEnd(file) &&
         files.Flush(file);
}

bool ReadsBack(SaveFiles& files, HANDLE file, std::string_view expected) {
  std::string actual;
  return files.Rewind(file) && files.Read(file, expected.size() + 1, actual) && actual == expected;
}

// The last resort where files may be written but not created: rewrites the file
// itself, checks what it reads back, and puts the old bytes back on failure.
bool WriteInPlace(SaveFiles& files, const std::wstring& target, std::string_view bytes, std::string_view original) {
  const SeamHandle file(files, files.OpenExisting(target));
  if (!file) return false;
  if (Rewrite(files, file.get(), bytes) && ReadsBack(files, file.get(), bytes)) return true;
  Rewrite(files, file.get(), original);
  return false;
}

// A file with more than one name, written through: the old bytes go to the
// disk beside it first (under the kept-old name only once complete), then the
// new bytes over the file; the old ones come back if that fails. The kept-old
// file goes once the file holds either whole.
bool WriteThroughLink(SaveFiles& files, const std::wstring& target, std::string_view bytes, std::string_view original) {
  std::wstring temporary;
  bool createDenied = false;
  if (!WriteTemporary(files, target, original, temporary, createDenied)) {
    return createDenied && WriteInPlace(files, target, bytes, original);
  }
  const std::wstring kept = SaveSiblingName(target, ::GetCurrentProcessId(), 0, kKeptOldSuffix);
  if (!files.Move(temporary, kept, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    files.Delete(temporary);
    return false;
  }
  const SeamHandle file(files, files.OpenExisting(target));
  const bool written = file && Rewrite(files, file.get(), bytes) && ReadsBack(files, file.get(), bytes);
  const bool whole = written || (file && Rewrite(files, file.get(), original) && ReadsBack(files, file.get(), original));
  if (whole) files.Delete(kept);
  return written;
}

// Old content a save through a link kept aside: written back over the file
// (or put in its place, should it be missing), then removed.
void RestoreKeptOld(SaveFiles& files, const std::wstring& target, const std::wstring& kept) {
  if (files.Attributes(target) == INVALID_FILE_ATTRIBUTES) {
    if (IsMissingFileError(::GetLastError())) files.Move(kept, target, MOVEFILE_WRITE_THROUGH);
    return;
  }
  std::string original;
  if (ReadWholeFile(files, kept, original) != ReadOutcome::Read) return;
  const SeamHandle file(files, files.OpenExisting(target));
  if (file && Rewrite(files, file.get(), original) && ReadsBack(files, file.get(), original)) files.Delete(kept);
}

}  // namespace

ConfigFile::ConfigFile(std::wstring filePath) : path(std::move(filePath)) {
  SystemSaveFiles files;
  Load(files);
}

ConfigFile::ConfigFile(std::wstring filePath, SaveFiles& files) : path(std::move(filePath)) { Load(files); }

void ConfigFile::Load(SaveFiles& files) {
  const ReadOutcome outcome = ReadWholeFile(files, path, m_original);
  m_unreadable = outcome == ReadOutcome::Unreadable;
  if (outcome != ReadOutcome::Read) {
    m_original.clear();
    return;
  }
  m_read = PrepareFileBytes(m_original);
  text = DecodeFileText(m_read);
  m_read.bytes.clear();  // decoded into `text`; only the encoding and the rest are kept
}

bool ConfigFile::Save() const {
  SystemSaveFiles files;
  return Save(files);
}

bool ConfigFile::Save(SaveFiles& files) const {
  if (m_unreadable) return false;
  std::string bytes;
  if (!DiskBytesKeepingRest(EncodeUtf8(UpToNul(text)), m_read, bytes)) return false;

  const std::wstring target = SaveTarget(files, path);
  const DWORD attributes = files.Attributes(target);
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists && !IsMissingFileError(::GetLastError())) return false;
  // Checked here because a replace would go through where a plain write is refused.
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

  if (exists && files.NameCount(target) > 1) return WriteThroughLink(files, target, bytes, m_original);
  std::wstring temporary;
  bool createDenied = false;
  if (!WriteTemporary(files, target, bytes, temporary, createDenied)) {
    return createDenied && exists && WriteInPlace(files, target, bytes, m_original);
  }
  return ReplaceWith(files, target, temporary, exists);
}

void RecoverSaveLeftovers(const std::wstring& configPath) {
  SystemSaveFiles files;
  RecoverSaveLeftovers(files, configPath);
}

void RecoverSaveLeftovers(SaveFiles& files, const std::wstring& configPath) {
  const std::wstring target = SaveTarget(files, configPath);
  const std::wstring folder = DirectoryPart(target);
  const std::wstring fileName = target.substr(folder.size());
  std::vector<std::wstring> names;
  std::vector<SaveLeftover> leftovers;
  std::wstring keptOld;
  uint64_t keptOldAt = 0;
  const std::vector<FoundFile> siblings = files.Find(target + L".*");
  for (const FoundFile& found : siblings) {
    // The newest, should there be more than one.
    if (!found.folder && IsKeptOldName(found.name, fileName) && (keptOld.empty() || found.writtenAt > keptOldAt)) {
      keptOld = folder + found.name;
      keptOldAt = found.writtenAt;
    }
  }
  if (!keptOld.empty()) RestoreKeptOld(files, target, keptOld);
  for (const FoundFile& found : siblings) {
    SaveLeftover leftover{};
    if (found.folder || !ParseSaveLeftoverName(found.name, fileName, leftover.process, leftover.temporary)) continue;
    leftover.writtenAt = found.writtenAt;
    names.push_back(folder + found.name);
    leftovers.push_back(leftover);
  }
  if (names.empty()) return;

  if (files.Attributes(target) == INVALID_FILE_ATTRIBUTES) {
    // Only if the file is truly missing: any other failure to look deletes and restores nothing.
    if (!IsMissingFileError(::GetLastError())) return;
    // While the settings file is missing a leftover may be its only copy.
    const int restore = LeftoverToRestore(leftovers);
    if (restore >= 0) files.Move(names[static_cast<size_t>(restore)], target, MOVEFILE_WRITE_THROUGH);
    return;
  }
  const uint64_t current = files.Now();
  for (size_t i = 0; i < names.size(); ++i) {
    // A leftover younger than a minute may belong to a save that is still running.
    if (current > leftovers[i].writtenAt && current - leftovers[i].writtenAt >= kLeftoverAge) files.Delete(names[i]);
  }
}
