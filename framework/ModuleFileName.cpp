#include "framework/ModuleFileName.h"

std::wstring ModuleFileName(HMODULE module) {
  // MAX_PATH first; a longer path (long-path aware systems) gets a larger buffer
  // instead of being cut.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = ::GetModuleFileNameW(module, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (size >= 32768) return {};
    path.resize(static_cast<size_t>(size) * 2);
  }
}
