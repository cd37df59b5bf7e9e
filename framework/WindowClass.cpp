#include "framework/WindowClass.h"

bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name;
  return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateOwnedWindow(DWORD extendedStyle, const wchar_t* className, DWORD style, HWND parent, void* owner) {
  return ::CreateWindowExW(extendedStyle, className, nullptr, style, 0, 0, 0, 0, parent, nullptr,
                           ::GetModuleHandleW(nullptr), owner);
}

void KeepOwnerOnCreate(HWND window, UINT message, LPARAM lParam) {
  if (message != WM_NCCREATE) return;
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}
