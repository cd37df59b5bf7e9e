#include "core/Outputs.h"

#include "core/IniText.h"

std::vector<std::wstring> OutputNames(std::wstring_view text) {
  std::vector<std::wstring> names;
  while (!text.empty()) {
    const size_t bar = text.find(L'|');
    const std::wstring_view name = ini::TrimValue(text.substr(0, bar));
    if (!name.empty()) names.emplace_back(name);
    text = bar == std::wstring_view::npos ? std::wstring_view{} : text.substr(bar + 1);
  }
  return names;
}

std::wstring JoinOutputNames(std::span<const std::wstring> names) {
  std::wstring text;
  for (const std::wstring& name : names) {
    if (!text.empty()) text += L'|';
    text += name;
  }
  return text;
}
