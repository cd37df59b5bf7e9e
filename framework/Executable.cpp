#include "framework/Executable.h"

#include <windows.h>

#include "core/PathText.h"

std::wstring ExecutablePath() {
  // MAX_PATH first; a longer path (long-path aware systems) gets a larger buffer
  // instead of being cut.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const auto size = static_cast<DWORD>(path.size());
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (size >= 32768) return {};
    path.resize(static_cast<size_t>(size) * 2);
  }
}

std::wstring ExecutableFolder() { return DirectoryPart(ExecutablePath()); }

std::wstring ExecutableTitle() { return FileTitle(ExecutablePath()); }
