#pragma once
// Names of the files a save puts beside the settings file: the temporary file
// with the new content, the old file's backup while it is being replaced, and
// the new content kept when neither could be put back in place.
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::wstring_view kTemporarySuffix = L".tmp";
inline constexpr std::wstring_view kBackupSuffix = L".bak";
inline constexpr std::wstring_view kKeptNewSuffix = L".new";

// `path`.<process>-<attempt><suffix>, for example "config.ini.1234-0.tmp".
std::wstring SaveSiblingName(std::wstring_view path, uint32_t process, uint32_t attempt, std::wstring_view suffix);

// True for a name SaveSiblingName makes from `fileName` with the temporary or
// the backup suffix, and for nothing else.
bool IsSaveLeftoverName(std::wstring_view name, std::wstring_view fileName);
