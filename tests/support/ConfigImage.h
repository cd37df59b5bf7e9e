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
    for (Line& line : m_lines) {
      if (line.key == key) line.value = value;
    }
    return *this;
  }
  // Leaves out a key the file has already: a save keeps it in its own place.
  ConfigImage& Without(std::wstring_view key) {
    std::erase_if(m_lines, [key](const Line& line) { return line.key == key; });
    return *this;
  }
  // "key = value" lines of the keys a save writes, LF-separated, as the settings text holds them.
  std::wstring Lines() const { return LinesOf(false); }
  // A whole first save: the section and every line.
  std::wstring Text() const { return L"[Brimlet]\n" + Lines(); }
  // A copy's first file: also the keys a save leaves as they are, each in its place.
  std::wstring FirstText() const { return L"[Brimlet]\n" + LinesOf(true); }

 private:
  struct Line {
    std::wstring key;
    std::wstring value;
    bool written;
  };
  std::wstring LinesOf(bool kept) const {
    std::wstring text;
    for (const Line& line : m_lines) {
      if (line.written || kept) text.append(line.key).append(line.value.empty() ? L" =" : L" = ").append(line.value).append(L"\n");
    }
    return text;
  }
  // The table's keys at their defaults, in its order.
  static std::vector<Line> Rows() {
    std::vector<Line> lines;
    for (const SettingRow& row : SettingRows()) lines.push_back({row.key, row.defaultText, row.written});
    return lines;
  }

  std::vector<Line> m_lines = Rows();
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
