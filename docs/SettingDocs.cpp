// Prints what README.md and packaging/README.txt say of each setting, from the
// settings table: README's sample file and key table, and README.txt's key
// list in Chinese and in English. scripts/docs.sh puts them in place, or
// checks that they are.
#include <cstdio>
#include <string>
#include <string_view>

#include "core/SettingsTable.h"

namespace {

std::string Utf8(std::wstring_view text) {
  std::string bytes;
  for (const wchar_t unit : text) {
    const auto c = static_cast<uint32_t>(unit);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | (c >> 12));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (c >> 18));
      bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

void Print(std::wstring_view text) { std::fputs(Utf8(text).c_str(), stdout); }

std::wstring Assignment(const SettingRow& row) {
  const std::wstring value = row.defaultText;
  return std::wstring(row.key) + (value.empty() ? L" =" : L" = " + value);
}

void Readme() {
  Print(L"```ini\n[Brimlet]\n");
  for (const SettingRow& row : SettingRows()) Print(Assignment(row) + L"\n");
  Print(L"```\n\n| key | meaning | default | accepted values |\n|---|---|---|---|\n");
  for (const SettingRow& row : SettingRows()) {
    Print(L"| `" + std::wstring(row.key) + L"` | " + row.doc.meaning + L" | " + row.doc.byDefault + L" | " +
          row.doc.values + L" |\n");
  }
}

// "  Key = default" and the text from the 42nd column on, its further lines below it.
void ShippedList(bool chinese) {
  constexpr size_t kTextColumn = 41;
  for (const SettingRow& row : SettingRows()) {
    std::wstring line = L"  " + Assignment(row);
    std::wstring_view text = chinese ? row.doc.chinese : row.doc.english;
    line += line.size() + 1 < kTextColumn ? std::wstring(kTextColumn - line.size(), L' ')
                                          : L"\n" + std::wstring(kTextColumn, L' ');
    for (size_t end = text.find(L'\n'); end != std::wstring_view::npos; end = text.find(L'\n')) {
      line += std::wstring(text.substr(0, end)) + L"\n" + std::wstring(kTextColumn, L' ');
      text.remove_prefix(end + 1);
    }
    Print(line + std::wstring(text) + L"\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view part = argc > 1 ? argv[1] : "";
  for (const SettingRow& row : SettingRows()) {
    if (row.doc.meaning == nullptr || row.doc.chinese == nullptr || row.doc.english == nullptr) {
      std::fprintf(stderr, "%s has no documentation in the settings table\n", Utf8(row.key).c_str());
      return 1;
    }
  }
  if (part == "readme") {
    Readme();
  } else if (part == "chinese" || part == "english") {
    ShippedList(part == "chinese");
  } else {
    std::fprintf(stderr, "usage: setting_docs readme|chinese|english\n");
    return 2;
  }
  return 0;
}
