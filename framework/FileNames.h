#pragma once
// Names compared as the system compares file names and window class names:
// ordinal, ignoring case.
#include <windows.h>

#include <string_view>

inline bool SameFileName(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The window classes Windows gives its taskbars: the primary one, and one on
// each other monitor.
inline bool IsTaskbarClass(std::wstring_view name) {
  return SameFileName(name, L"Shell_TrayWnd") || SameFileName(name, L"Shell_SecondaryTrayWnd");
}
