#include "framework/Wnd.h"

#include <utility>

namespace {
const wchar_t kOwnerProperty[] = L"Brimlet.CWnd";
}

CWnd::~CWnd() { UnsubclassWindow(); }

bool CWnd::SubclassDlgItem(int id, HWND dialog) {
  HWND control = ::GetDlgItem(dialog, id);
  if (control == nullptr || m_hWnd != nullptr) return false;
  m_hWnd = control;
  PreSubclassWindow();
  ::SetPropW(control, kOwnerProperty, this);
  m_superProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  return true;
}

void CWnd::UnsubclassWindow() {
  if (m_hWnd == nullptr) return;
  if (m_superProc != nullptr && ::IsWindow(m_hWnd)) {
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    ::RemovePropW(m_hWnd, kOwnerProperty);
  }
  m_superProc = nullptr;
  m_hWnd = nullptr;
}

std::wstring CWnd::GetWindowText() const {
  const int length = ::GetWindowTextLengthW(m_hWnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::Invalidate(bool erase) const { ::InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE); }

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CWnd::Default() {
  return ::CallWindowProcW(m_superProc, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<CWnd*>(::GetPropW(window, kOwnerProperty));
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);

  if (message == WM_NCDESTROY) {
    const WNDPROC superProc = self->m_superProc;
    self->UnsubclassWindow();
    return ::CallWindowProcW(superProc, window, message, wParam, lParam);
  }

  // Handlers may pump messages (a shell call, a box), so the message being handled nests.
  const CurrentMessage outer = std::exchange(self->m_current, CurrentMessage{message, wParam, lParam});
  LRESULT result = 0;
  if (!self->OnWndMsg(message, wParam, lParam, result)) result = self->Default();
  self->m_current = outer;
  return result;
}
