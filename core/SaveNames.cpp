#include "core/SaveNames.h"

#include "core/ValueText.h"

namespace {

// Consumes one run of decimal digits at the front of `text`: a 32-bit number.
bool TakeNumber(std::wstring_view& text, uint32_t& number) {
  uint64_t value = 0;
  size_t digits = 0;
  while (digits < text.size() && text[digits] >= L'0' && text[digits] <= L'9') {
    value = value * 10 + static_cast<uint64_t>(text[digits] - L'0');
    if (++digits > 10) return false;
  }
  if (digits == 0 || value > UINT32_MAX) return false;
  text.remove_prefix(digits);
  number = static_cast<uint32_t>(value);
  return true;
}

// `fileName`.<process>-<attempt> and then the suffix, which is handed back.
bool ParseSiblingName(std::wstring_view name, std::wstring_view fileName, uint32_t& process, std::wstring_view& suffix) {
  if (fileName.empty() || name.size() <= fileName.size() + 1 || name.substr(0, fileName.size()) != fileName ||
      name[fileName.size()] != L'.') {
    return false;
  }
  std::wstring_view rest = name.substr(fileName.size() + 1);
  uint32_t attempt = 0;
  if (!TakeNumber(rest, process) || rest.empty() || rest[0] != L'-') return false;
  rest.remove_prefix(1);
  if (!TakeNumber(rest, attempt)) return false;
  suffix = rest;
  return true;
}

}  // namespace

std::wstring SaveSiblingName(std::wstring_view path, uint32_t process, uint32_t attempt, std::wstring_view suffix) {
  std::wstring name(path);
  name.append(L".").append(FormatInt64(process)).append(L"-").append(FormatInt64(attempt)).append(suffix);
  return name;
}

bool IsSaveLeftoverName(std::wstring_view name, std::wstring_view fileName) {
  uint32_t process = 0;
  bool temporary = false;
  return ParseSaveLeftoverName(name, fileName, process, temporary);
}

bool ParseSaveLeftoverName(std::wstring_view name, std::wstring_view fileName, uint32_t& process, bool& temporary) {
  uint32_t number = 0;
  std::wstring_view suffix;
  if (!ParseSiblingName(name, fileName, number, suffix)) return false;
  if (suffix != kTemporarySuffix && suffix != kBackupSuffix) return false;
  process = number;
  temporary = suffix == kTemporarySuffix;
  return true;
}

bool IsKeptOldName(std::wstring_view name, std::wstring_view fileName) {
  uint32_t process = 0;
  std::wstring_view suffix;
  return ParseSiblingName(name, fileName, process, suffix) && suffix == kKeptOldSuffix;
}

int LeftoverToRestore(const std::vector<SaveLeftover>& leftovers) {
  auto hasBackup = [&](uint32_t process) {
    for (const SaveLeftover& other : leftovers) {
      if (!other.temporary && other.process == process) return true;
    }
    return false;
  };
  int newestComplete = -1;
  int newestBackup = -1;
  for (size_t i = 0; i < leftovers.size(); ++i) {
    const SaveLeftover& leftover = leftovers[i];
    const int index = static_cast<int>(i);
    int& newest = leftover.temporary ? newestComplete : newestBackup;
    if (leftover.temporary && !hasBackup(leftover.process)) continue;
    if (newest < 0 || leftover.writtenAt > leftovers[static_cast<size_t>(newest)].writtenAt) newest = index;
  }
  return newestComplete >= 0 ? newestComplete : newestBackup;
}
