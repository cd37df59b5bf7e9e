#include "core/PathText.h"

std::wstring DirectoryPart(std::wstring_view path) {
  const size_t slash = path.rfind(L'\\');
  if (slash == std::wstring_view::npos) return {};
  return std::wstring(path.substr(0, slash + 1));
}

std::wstring FileTitle(std::wstring_view path) {
  const size_t slash = path.find_last_of(L"\\/");
  std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind(L'.');
  if (dot != std::wstring_view::npos && dot != 0) name = name.substr(0, dot);
  return std::wstring(name);
}

std::wstring WithoutLongPathPrefix(std::wstring_view path) {
  constexpr std::wstring_view kPrefix = L"\\\\?\\";
  constexpr std::wstring_view kUnc = L"UNC\\";
  if (path.substr(0, kPrefix.size()) != kPrefix) return std::wstring(path);
  const std::wstring_view rest = path.substr(kPrefix.size());
  if (rest.substr(0, kUnc.size()) == kUnc) return L"\\\\" + std::wstring(rest.substr(kUnc.size()));
  if (rest.size() >= 3 && rest[1] == L':' && rest[2] == L'\\') return std::wstring(rest);
  return std::wstring(path);
}
