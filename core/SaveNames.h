#pragma once
// Names of the files a save puts beside the settings file: the temporary file
// with the new content, the old file's backup while it is being replaced, the
// new content kept when neither could be put back in place, and the old
// content kept aside while a file with more than one name is written through.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::wstring_view kTemporarySuffix = L".tmp";
inline constexpr std::wstring_view kBackupSuffix = L".bak";
inline constexpr std::wstring_view kKeptNewSuffix = L".new";
inline constexpr std::wstring_view kKeptOldSuffix = L".old";

// `path`.<process>-<attempt><suffix>, for example "config.ini.1234-0.tmp".
std::wstring SaveSiblingName(std::wstring_view path, uint32_t process, uint32_t attempt, std::wstring_view suffix);

// True for a name SaveSiblingName makes from `fileName` with the temporary or
// the backup suffix, and for nothing else; `process` and `temporary` say whose
// and which it is.
bool IsSaveLeftoverName(std::wstring_view name, std::wstring_view fileName);
bool ParseSaveLeftoverName(std::wstring_view name, std::wstring_view fileName, uint32_t& process, bool& temporary);

// True for a name SaveSiblingName makes from `fileName` with the kept-old
// suffix: complete old content that a save through a link left (it is renamed
// to that name only once it is on the disk).
bool IsKeptOldName(std::wstring_view name, std::wstring_view fileName);

// A leftover of an interrupted save, found beside the settings file.
struct SaveLeftover {
  uint32_t process;
  bool temporary;      // the new content; else the old file's backup
  uint64_t writtenAt;  // its last write time
};

// When the settings file is missing (power was lost between the two renames of
// a save), the leftover to put in its place, or -1: the temporary file of a
// save whose backup is there too (its replace had begun, and it is flushed
// before that, so it is complete), the newest such; else the newest backup.
// A temporary file alone may be cut short and is never taken.
int LeftoverToRestore(const std::vector<SaveLeftover>& leftovers);
