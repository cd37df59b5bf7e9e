#pragma once
#include <windows.h>

// Registers a window class of this module with `procedure` and nothing else set.
// True when the class exists afterwards (also when it was registered before).
bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure);

// Creates a window of such a class whose procedure finds `owner` through
// OwnerOf(window): the creation parameter is kept in the window's user data.
HWND CreateOwnedWindow(DWORD extendedStyle, const wchar_t* className, DWORD style, HWND parent, void* owner);

// The `owner` a window was created with; null before WM_NCCREATE has passed.
template <class Owner>
Owner* OwnerOf(HWND window) {
  return reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Stores the creation parameter on WM_NCCREATE; call first in such a procedure.
void KeepOwnerOnCreate(HWND window, UINT message, LPARAM lParam);
