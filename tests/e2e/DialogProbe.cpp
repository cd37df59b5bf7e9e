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

HWND FindControl(HWND dialog, int id) {
  if (HWND control = ::GetDlgItem(dialog, id)) return control;
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  ::EnumChildWindows(
      dialog,
      [](HWND child, LPARAM parameter) -> BOOL {
        auto& wanted = *reinterpret_cast<Search*>(parameter);
        if (::GetDlgCtrlID(child) != wanted.id) return TRUE;
        wanted.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring ControlText(HWND dialog, int id) { return WindowText(FindControl(dialog, id)); }
int CheckState(HWND dialog, int id) { return static_cast<int>(Send(FindControl(dialog, id), BM_GETCHECK)); }
int ListSelection(HWND dialog, int id) { return static_cast<int>(Send(FindControl(dialog, id), CB_GETCURSEL)); }
int ListCount(HWND dialog, int id) { return static_cast<int>(Send(FindControl(dialog, id), CB_GETCOUNT)); }
int SliderPosition(HWND dialog, int id) { return static_cast<int>(Send(FindControl(dialog, id), TBM_GETPOS)); }

std::wstring ListItemText(HWND dialog, int id, int index) {
  wchar_t text[256] = {};
  Send(FindControl(dialog, id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

void ClickCheck(HWND dialog, int id) { Send(FindControl(dialog, id), BM_CLICK); }

// A control notifies its parent: the dialog, or the page it is on.
void ChooseListItem(HWND dialog, int id, int index) {
  HWND list = FindControl(dialog, id);
  Send(list, CB_SETCURSEL, static_cast<WPARAM>(index));
  Send(::GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void DragSliderTo(HWND dialog, int id, int position) {
  HWND slider = FindControl(dialog, id);
  Send(slider, TBM_SETPOS, TRUE, position);
  Send(::GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
  Send(::GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
}

void TypeInto(HWND dialog, int id, const std::wstring& text) {
  HWND field = FindControl(dialog, id);
  Send(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Send(::GetParent(field), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
}

void LeaveField(HWND dialog, int id) {
  HWND field = FindControl(dialog, id);
  Send(::GetParent(field), WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(field));
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
  ::GetWindowRect(FindControl(dialog, id), &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
