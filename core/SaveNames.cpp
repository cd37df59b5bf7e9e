#include "core/SaveNames.h"

#include "core/ValueText.h"

namespace {

// Consumes one run of decimal digits at the front of `text`.
bool TakeDigits(std::wstring_view& text) {
  size_t digits = 0;
  while (digits < text.size() && text[digits] >= L'0' && text[digits] <= L'9') ++digits;
  if (digits == 0 || digits > 10) return false;
  text.remove_prefix(digits);
  return true;
}

}  // namespace

std::wstring SaveSiblingName(std::wstring_view path, uint32_t process, uint32_t attempt, std::wstring_view suffix) {
  std::wstring name(path);
  name.append(L".").append(FormatInt64(process)).append(L"-").append(FormatInt64(attempt)).append(suffix);
  return name;
}

bool IsSaveLeftoverName(std::wstring_view name, std::wstring_view fileName) {
  if (fileName.empty() || name.size() <= fileName.size() + 1 || name.substr(0, fileName.size()) != fileName ||
      name[fileName.size()] != L'.') {
    return false;
  }
  std::wstring_view rest = name.substr(fileName.size() + 1);
  if (!TakeDigits(rest) || rest.empty() || rest[0] != L'-') return false;
  rest.remove_prefix(1);
  if (!TakeDigits(rest)) return false;
  return rest == kTemporarySuffix || rest == kBackupSuffix;
}
