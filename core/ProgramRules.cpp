#include "core/ProgramRules.h"

#include "core/IniText.h"

namespace {

constexpr std::wstring_view kProgramExtension = L".exe";

// One entry as a file name: its quotes and folders gone.
std::wstring_view FileNameOf(std::wstring_view entry) {
  entry = ini::TrimValue(entry);
  while (!entry.empty() && entry.front() == L'"') entry = ini::TrimValue(entry.substr(1));
  while (!entry.empty() && entry.back() == L'"') entry = ini::TrimValue(entry.substr(0, entry.size() - 1));
  const size_t slash = entry.find_last_of(L"\\/");
  return slash == std::wstring_view::npos ? entry : entry.substr(slash + 1);
}

bool HasExtension(std::wstring_view name) {
  const size_t dot = name.rfind(L'.');
  return dot != std::wstring_view::npos && dot != 0 && dot + 1 < name.size();
}

bool Names(const std::vector<std::wstring>& list, std::wstring_view name, Desktop& desktop) {
  for (const std::wstring& entry : list) {
    if (desktop.SameFileName(entry, name)) return true;
    // "game" names game.exe too.
    if (!HasExtension(entry) && name.size() == entry.size() + kProgramExtension.size() &&
        desktop.SameFileName(entry, name.substr(0, entry.size())) &&
        desktop.SameFileName(kProgramExtension, name.substr(entry.size()))) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::wstring> ParseProgramList(std::wstring_view text) {
  std::vector<std::wstring> names;
  size_t start = 0;
  bool quoted = false;
  for (size_t at = 0; at <= text.size(); ++at) {
    const bool end = at == text.size();
    if (!end && text[at] == L'"') quoted = !quoted;
    if (!end && (quoted || (text[at] != L';' && text[at] != L','))) continue;
    const std::wstring_view name = FileNameOf(text.substr(start, at - start));
    if (!name.empty()) names.emplace_back(name);
    start = at + 1;
  }
  return names;
}

ProgramVerdict ProgramRules::For(std::wstring_view name, Desktop& desktop) const {
  if (name.empty()) return {};
  return {Names(m_ignored, name, desktop), Names(m_actInFullScreen, name, desktop)};
}
