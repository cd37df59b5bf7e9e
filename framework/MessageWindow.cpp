#include "framework/MessageWindow.h"

#include <utility>

MessageWindow::~MessageWindow() {
  // The derived part is gone: the messages of the window's end go to DefWindowProcW.
  if (m_window == nullptr) return;
  ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
  ::DestroyWindow(std::exchange(m_window, nullptr));
}

bool MessageWindow::Create(const wchar_t* className, DWORD extendedStyle, DWORD style, HWND parent) {
  if (m_window != nullptr) return true;
  HINSTANCE module = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &MessageWindow::Procedure;
  windowClass.hInstance = module;
  windowClass.lpszClassName = className;
  if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  // WM_NCCREATE keeps the window in m_window; a failed creation clears it again.
  return ::CreateWindowExW(extendedStyle, className, nullptr, style, 0, 0, 0, 0, parent, nullptr, module, this) !=
         nullptr;
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<MessageWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->m_window = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<MessageWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->m_window = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  if (const std::optional<LRESULT> result = self->OnMessage(message, wParam, lParam)) return *result;
  if (message == WM_CLOSE) return 0;
  return ::DefWindowProcW(window, message, wParam, lParam);
}
