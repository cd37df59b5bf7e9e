#include "core/ProgramRules.h"

#include <algorithm>

#include "core/IniText.h"

std::vector<std::wstring> ParseProgramList(std::wstring_view text) {
  std::vector<std::wstring> names;
  while (!text.empty()) {
    const size_t end = std::min(text.find(L';'), text.find(L','));
    const std::wstring_view name = ini::TrimValue(text.substr(0, end));
    if (!name.empty()) names.emplace_back(name);
    if (end == std::wstring_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return names;
}

ProgramVerdict ProgramRules::For(std::wstring_view name) const {
  if (name.empty()) return {};
  const auto named = [name](const std::vector<std::wstring>& list) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  return {named(m_ignored), named(m_actInFullScreen)};
}
