#include "core/PathText.h"

#include <algorithm>
#include <vector>

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

bool IsAbsolutePath(std::wstring_view path) {
  const bool drive = path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
                     path[1] == L':' && path[2] == L'\\';
  return drive || path.substr(0, 2) == L"\\\\";
}

namespace {

// The root a path starts from, without its last backslash: "C:" of a drive
// path, "\\\\host\\share" of a network path.
std::wstring RootOf(std::wstring_view path) {
  if (path.substr(0, 2) != L"\\\\") return std::wstring(path.substr(0, 2));
  const size_t host = path.find(L'\\', 2);
  const size_t share = host == std::wstring_view::npos ? host : path.find(L'\\', host + 1);
  return std::wstring(path.substr(0, share));
}

}  // namespace

std::wstring LinkedPath(std::wstring_view linkPath, std::wstring_view stored) {
  constexpr std::wstring_view kNtPrefix = L"\\??\\";
  std::wstring path;
  if (stored.substr(0, kNtPrefix.size()) == kNtPrefix) {
    path = WithoutLongPathPrefix(L"\\\\?\\" + std::wstring(stored.substr(kNtPrefix.size())));
  } else if (IsAbsolutePath(stored)) {
    path = stored;
  } else if (!stored.empty() && stored[0] == L'\\') {
    path = RootOf(linkPath) + std::wstring(stored);  // from the root of the link's drive or share
  } else {
    path = DirectoryPart(linkPath) + std::wstring(stored);
  }
  // Resolve "." and ".." after the root ("C:\\" or "\\\\host\\share\\").
  size_t root = 3;
  if (path.substr(0, 2) == L"\\\\") {
    root = path.find(L'\\', 2);
    root = root == std::wstring::npos ? path.size() : path.find(L'\\', root + 1);
    root = root == std::wstring::npos ? path.size() : root + 1;
  }
  if (root > path.size()) return path;
  std::wstring resolved = path.substr(0, root);
  std::vector<std::wstring_view> parts;
  const std::wstring_view rest = std::wstring_view(path).substr(root);
  for (size_t start = 0; start <= rest.size();) {
    const size_t end = std::min(rest.find(L'\\', start), rest.size());
    const std::wstring_view part = rest.substr(start, end - start);
    if (part == L"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != L".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) resolved += L'\\';
    resolved += parts[i];
  }
  return resolved;
}
