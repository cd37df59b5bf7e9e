#pragma once
// File names compared as the file system compares them: ordinal, ignoring case.
#include <windows.h>

#include <string_view>

inline bool SameFileName(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}
