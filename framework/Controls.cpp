#include "framework/Controls.h"

#include <commctrl.h>

bool IsChecked(HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
  ::SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::wstring TextOf(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int copied = ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

bool SubclassedControl::TakeOver(HWND dialog, int id) {
  HWND control = ::GetDlgItem(dialog, id);
  if (control == nullptr || m_control != nullptr) return false;
  if (!::SetWindowSubclass(control, &SubclassedControl::Procedure, 0, reinterpret_cast<DWORD_PTR>(this))) return false;
  m_control = control;
  return true;
}

void SubclassedControl::Release() {
  if (m_control != nullptr) ::RemoveWindowSubclass(m_control, &SubclassedControl::Procedure, 0);
  m_control = nullptr;
}

LRESULT CALLBACK SubclassedControl::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
  auto& owner = *reinterpret_cast<SubclassedControl*>(self);
  if (message == WM_NCDESTROY) {
    owner.Release();
    return ::DefSubclassProc(control, message, wParam, lParam);
  }
  if (const std::optional<LRESULT> result = owner.OnMessage(message, wParam, lParam)) return *result;
  return ::DefSubclassProc(control, message, wParam, lParam);
}
