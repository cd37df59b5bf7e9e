#pragma once
// Names compared as the system compares file names and window class names:
// ordinal, ignoring case.
#include <windows.h>

#include <string_view>

inline bool SameFileName(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// `window` is of a class Windows gives its taskbars: the primary one, and one
// on each other monitor. Reading a class name sends the window nothing.
inline bool IsTaskbar(HWND window) {
  wchar_t name[32] = {};
  const int length = ::GetClassNameW(window, name, 32);
  const std::wstring_view own(name, length > 0 ? static_cast<size_t>(length) : 0);
  return SameFileName(own, L"Shell_TrayWnd") || SameFileName(own, L"Shell_SecondaryTrayWnd");
}
