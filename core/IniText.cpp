#include "core/IniText.h"

namespace ini {
namespace {

constexpr size_t npos = std::wstring_view::npos;

// Finds LF + key + separator starting at `from`; counts only before `end`.
size_t FindLineStart(std::wstring_view text, size_t from, size_t end, std::wstring_view key,
                     wchar_t separator) {
  for (size_t at = text.find(L'\n', from); at != npos && at < end; at = text.find(L'\n', at + 1)) {
    const std::wstring_view rest = text.substr(at + 1);
    if (rest.size() > key.size() && rest.substr(0, key.size()) == key && rest[key.size()] == separator) {
      return at;
    }
  }
  return npos;
}

size_t LineEnd(std::wstring_view text, size_t from) {
  const size_t lf = text.find(L'\n', from);
  return lf == npos ? text.size() : lf;
}

}  // namespace

std::wstring_view TrimValue(std::wstring_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] <= L' ') ++first;
  while (last > first && text[last - 1] <= L' ') --last;
  return text.substr(first, last - first);
}

bool FindSection(std::wstring_view text, Section& section) {
  const size_t header = text.find(kSectionHeader);
  if (header == npos) return false;
  const size_t next = text.find(L"\n[", header + 2);
  section = {header, next == npos ? text.size() : next + 1};
  return true;
}

size_t FindKeyLine(std::wstring_view text, const Section& section, std::wstring_view key) {
  const size_t withBlank = FindLineStart(text, section.header, section.end, key, L' ');
  if (withBlank != npos) return withBlank;
  return FindLineStart(text, section.header, section.end, key, L'=');
}

std::wstring GetValue(std::wstring_view text, std::wstring_view key, std::wstring_view defaultValue) {
  Section section{};
  if (!FindSection(text, section)) return std::wstring(defaultValue);
  const size_t lf = FindKeyLine(text, section, key);
  if (lf == npos) return std::wstring(defaultValue);

  const size_t keyEnd = lf + 1 + key.size();
  const size_t lineEnd = LineEnd(text, keyEnd);
  const size_t equals = text.find(L'=', keyEnd);
  if (equals == npos || equals > lineEnd) return std::wstring(defaultValue);
  return std::wstring(TrimValue(text.substr(equals + 1, lineEnd - equals - 1)));
}

void SetValue(std::wstring& text, std::wstring_view key, std::wstring_view value) {
  Section section{};
  if (!FindSection(text, section)) {
    if (!text.empty() && text.back() != L'\n') text += L'\n';
    text += kSectionHeader;
    text += L'\n';
    FindSection(text, section);
  }

  const size_t lf = FindKeyLine(text, section, key);
  if (lf == npos) {
    std::wstring line;
    line.reserve(key.size() + value.size() + 4);
    line.append(key).append(value.empty() ? L" =" : L" = ").append(value).append(L"\n");
    if (section.end < text.size()) {
      text.insert(section.end, line);
    } else {
      // A text cut short (at a NUL, say) may lack its last LF; the new line must start a line.
      if (text.back() != L'\n') text += L'\n';
      text += line;
    }
    return;
  }

  const size_t keyEnd = lf + 1 + key.size();
  size_t lineEnd = LineEnd(text, keyEnd);
  size_t valueStart = 0;
  const size_t equals = text.find(L'=', keyEnd);
  if (equals != npos && equals < lineEnd) {
    valueStart = equals + 1;
  } else {
    text.insert(keyEnd, L" =");
    valueStart = keyEnd + 2;
    lineEnd += 2;
  }
  // No blank left dangling behind an empty value.
  std::wstring replacement;
  replacement.reserve(value.size() + 1);
  if (!value.empty()) replacement.append(L" ").append(value);
  text.replace(valueStart, lineEnd - valueStart, replacement);
}

}  // namespace ini
