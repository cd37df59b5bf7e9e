#pragma once
// Libraries that are no KnownDLLs, loaded at run time from the system folder
// only: linked normally, they would be looked for beside the executable first,
// where a copy planted in a download folder would be loaded instead.
#include <windows.h>

#include "framework/UniqueHandle.h"

inline UniqueModule LoadSystemLibrary(const wchar_t* name) {
  return UniqueModule(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

// Sets `function` to the library's export `name`; false if there is none.
template <class Function>
bool Resolve(HMODULE library, const char* name, Function& function) {
  function = library != nullptr
                 ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)))
                 : nullptr;
  return function != nullptr;
}
