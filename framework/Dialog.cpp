#include "framework/Dialog.h"

#include <commctrl.h>

#include <cstring>
#include <utility>

namespace {

// The trackbar and the other common controls need their classes registered;
// registering them again is harmless.
void EnsureCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
}

template <class T>
T ReadUnaligned(const unsigned char* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd == nullptr) control.SubclassDlgItem(id, dx->m_dialog);
}

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CDialog::DoModal() {
  EnsureCommonControls();
  return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent,
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal(HWND& open) {
  m_open = &open;
  const INT_PTR result = DoModal();
  m_open = nullptr;
  open = nullptr;
  return result;
}

void CDialog::EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() {
  CentreOnPointerMonitor();
  ExecuteDlgInit();
  CDataExchange dx(m_hWnd);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::CentreOnPointerMonitor() const {
  POINT pointer{};
  ::GetCursorPos(&pointer);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT window{};
  if (!::GetMonitorInfoW(::MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor) ||
      !::GetWindowRect(m_hWnd, &window)) {
    return;
  }
  const RECT& work = monitor.rcWork;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  ::SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

LRESULT CDialog::Default() {
  m_passOn = true;
  return 0;
}

void CDialog::ExecuteDlgInit() const {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(m_templateId), MAKEINTRESOURCEW(RT_DLGINIT_DATA));
  if (resource == nullptr) return;
  HGLOBAL loaded = ::LoadResource(module, resource);
  const auto* data = static_cast<const unsigned char*>(::LockResource(loaded));
  if (data == nullptr) return;

  const size_t size = ::SizeofResource(module, resource);
  constexpr size_t kRecordHeader = 2 + 2 + 4;
  size_t offset = 0;
  while (offset + 2 <= size) {
    const auto controlId = ReadUnaligned<WORD>(data + offset);
    if (controlId == 0 || offset + kRecordHeader > size) break;
    const auto message = ReadUnaligned<WORD>(data + offset + 2);
    const auto length = ReadUnaligned<DWORD>(data + offset + 4);
    offset += kRecordHeader;
    if (length > size - offset || length < sizeof(wchar_t) || length % sizeof(wchar_t) != 0) break;
    // The text is copied so that it is aligned and certainly ends with a NUL.
    std::wstring text(length / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data + offset, length);
    ::SendDlgItemMessageW(m_hWnd, controlId, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
    offset += length;
  }
}

bool CDialog::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (OnWndMsg(message, wParam, lParam, result)) return true;
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  if (LOWORD(wParam) == IDOK) {
    OnOK();
    return true;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->m_hWnd = window;
    if (self->m_open != nullptr) *self->m_open = window;
    return self->OnInitDialog();
  }
  auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    self->m_hWnd = nullptr;
    return FALSE;
  }

  const CurrentMessage outer = std::exchange(self->m_current, CurrentMessage{message, wParam, lParam});
  const bool outerPassOn = std::exchange(self->m_passOn, false);
  LRESULT result = 0;
  const bool handled = self->OnDialogMessage(message, wParam, lParam, result) && !self->m_passOn;
  self->m_current = outer;
  self->m_passOn = outerPassOn;
  if (!handled) return FALSE;
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}
