#include "tests/e2e/DialogProbe.h"

#include <commctrl.h>

#include "tests/e2e/BrimletProcess.h"

namespace {

constexpr UINT kTimeout = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeout, &result);
  return static_cast<LRESULT>(result);
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  Send(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace

std::wstring ControlText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }
int CheckState(HWND dialog, int id) { return static_cast<int>(Send(::GetDlgItem(dialog, id), BM_GETCHECK)); }
int ListSelection(HWND dialog, int id) { return static_cast<int>(Send(::GetDlgItem(dialog, id), CB_GETCURSEL)); }
int ListCount(HWND dialog, int id) { return static_cast<int>(Send(::GetDlgItem(dialog, id), CB_GETCOUNT)); }
int SliderPosition(HWND dialog, int id) { return static_cast<int>(Send(::GetDlgItem(dialog, id), TBM_GETPOS)); }

std::wstring ListItemText(HWND dialog, int id, int index) {
  wchar_t text[256] = {};
  Send(::GetDlgItem(dialog, id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

void ClickCheck(HWND dialog, int id) { Send(::GetDlgItem(dialog, id), BM_CLICK); }

void ChooseListItem(HWND dialog, int id, int index) {
  HWND list = ::GetDlgItem(dialog, id);
  Send(list, CB_SETCURSEL, static_cast<WPARAM>(index));
  Send(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void DragSliderTo(HWND dialog, int id, int position) {
  HWND slider = ::GetDlgItem(dialog, id);
  Send(slider, TBM_SETPOS, TRUE, position);
  Send(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
  Send(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
}

void TypeInto(HWND dialog, int id, const std::wstring& text) {
  HWND field = ::GetDlgItem(dialog, id);
  Send(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Send(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
}

void PressButton(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::wstring MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

bool WaitForWindowGone(HWND window, DWORD milliseconds) {
  return WaitUntil([window] { return !::IsWindow(window); }, milliseconds);
}

POINT ControlCentre(HWND dialog, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
