#pragma once
// config.ini as Brimlet writes it, for the tests that compare whole files: the
// key lines a save adds, in the order a new file lists them (the settings
// table's), each with its default unless a test sets it.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/SettingsTable.h"

class ConfigImage {
 public:
  ConfigImage& Set(std::wstring_view key, std::wstring_view value) {
    for (auto& [name, text] : m_lines) {
      if (name == key) text = value;
    }
    return *this;
  }
  // Leaves out a key the file has already: a save keeps it in its own place.
  ConfigImage& Without(std::wstring_view key) {
    std::erase_if(m_lines, [key](const auto& line) { return line.first == key; });
    return *this;
  }
  // "key = value" lines, LF-separated, as the settings text holds them.
  std::wstring Lines() const { return LinesOf(m_lines); }
  // A whole first save: the section and every line.
  std::wstring Text() const { return L"[Brimlet]\n" + Lines(); }
  // A copy's first file: also the keys a save leaves as they are.
  std::wstring FirstText() const { return Text() + LinesOf(m_kept); }

 private:
  using Line = std::pair<std::wstring, std::wstring>;
  static std::wstring LinesOf(const std::vector<Line>& lines) {
    std::wstring text;
    for (const auto& [name, value] : lines) text.append(name).append(value.empty() ? L" =" : L" = ").append(value).append(L"\n");
    return text;
  }
  // The table's keys at their defaults, in its order: the keys a save writes, and the others.
  static std::vector<Line> Rows(bool written) {
    std::vector<Line> lines;
    for (const SettingRow& row : SettingRows()) {
      if (row.written == written) lines.emplace_back(row.key, row.defaultText);
    }
    return lines;
  }

  std::vector<Line> m_lines = Rows(true);
  std::vector<Line> m_kept = Rows(false);
};

// The bytes on disk for an ASCII text: the UTF-8 byte order mark, then the
// text with CR LF line breaks.
inline std::string DiskBytes(std::wstring_view text) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const wchar_t c : text) {
    if (c == L'\n') bytes += '\r';
    bytes += static_cast<char>(c);
  }
  return bytes;
}
