#pragma once
// The settings file as one text: every lookup is a search in it, and every edit
// changes it in place, so whatever a save does not set comes back unchanged.
//
// Lines are separated by LF. The section starts at the first "[Brimlet]" anywhere
// in the text and ends at the next line that begins with "[". A key's line begins
// right after an LF with the key and then a blank or "="; the form with a blank
// wins over an earlier form with "=". The value is what follows the first "=" on
// that line, without surrounding characters at or below U+0020.
#include <string>
#include <string_view>

namespace ini {

inline constexpr std::wstring_view kSectionHeader = L"[Brimlet]";

struct Section {
  size_t header;  // index of the header's "["
  size_t end;     // index of the next section's "[", or the text's size
};

// The section, if the text has its header.
bool FindSection(std::wstring_view text, Section& section);

// Index of the LF that precedes the key's line within the section, or npos.
size_t FindKeyLine(std::wstring_view text, const Section& section, std::wstring_view key);

// The key's value, or `defaultValue` unchanged when the section, the key's line
// or its "=" is missing.
std::wstring GetValue(std::wstring_view text, std::wstring_view key, std::wstring_view defaultValue);

// Sets the key's value: rewrites what follows the "=" of the key's line, or adds
// a line "key = value" at the end of the section (adding the section if
// needed); an empty value leaves no blank behind the "=".
void SetValue(std::wstring& text, std::wstring_view key, std::wstring_view value);

// `text` without leading and trailing characters at or below U+0020.
std::wstring_view TrimValue(std::wstring_view text);

}  // namespace ini
