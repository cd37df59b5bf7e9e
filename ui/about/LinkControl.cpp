#include "ui/about/LinkControl.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "framework/Accessibility.h"
#include "framework/UniqueHandle.h"

bool LinkControl::TakeOver(HWND dialog, int id, std::wstring address) {
  if (!SubclassedControl::TakeOver(dialog, id)) return false;
  // A static control gets mouse messages only with SS_NOTIFY, and the focus
  // from the keyboard only as a tab stop.
  ::SetWindowLongW(hwnd(), GWL_STYLE, ::GetWindowLongW(hwnd(), GWL_STYLE) | SS_NOTIFY | WS_TABSTOP);
  m_text = TextOf(hwnd());
  m_address = std::move(address);
  AnnounceAsLink(hwnd(), m_address.c_str());
  return true;
}

void LinkControl::Open() const {
  if (!m_address.empty()) ::ShellExecuteW(nullptr, L"open", m_address.c_str(), nullptr, nullptr, SW_SHOW);
}

std::optional<LRESULT> LinkControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{};
      track.cbSize = sizeof(track);
      track.dwFlags = TME_HOVER | TME_LEAVE;
      track.hwndTrack = hwnd();
      track.dwHoverTime = 1;
      ::_TrackMouseEvent(&track);
      return 0;
    }
    case WM_MOUSEHOVER:
      if (m_hovered) return std::nullopt;
      m_hovered = true;
      Redraw();
      return 0;
    case WM_MOUSELEAVE:
      m_hovered = false;
      Redraw();
      return 0;
    case WM_SETCURSOR:
      if (!m_hovered) return std::nullopt;
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONUP:
      Open();
      return 0;
    case WM_GETDLGCODE: {
      // Enter opens the link rather than pressing the dialog's default button;
      // Space comes as a character.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      if (key != nullptr && key->message == WM_KEYDOWN && wParam == VK_RETURN) return DLGC_WANTMESSAGE;
      return DLGC_WANTCHARS;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) Open();
      return std::nullopt;
    case WM_CHAR:
      if (wParam == L' ') Open();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
      const LRESULT result = Default(message, wParam, lParam);
      Redraw();
      return result;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      ClearAnnouncements(hwnd());
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void LinkControl::Paint() const {
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(hwnd(), &paint);
  // Made for this paint and released with it, after the old font is back.
  UniqueGdiObject underlined;
  if (auto font = reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0))) {
    LOGFONTW description{};
    if (::GetObjectW(font, sizeof(description), &description) != 0) {
      description.lfUnderline = m_hovered ? TRUE : FALSE;
      underlined.reset(::CreateFontIndirectW(&description));
    }
  }
  {
    const GdiSelection selected(dc, underlined.get());
    ::SetTextColor(dc, ::GetSysColor(COLOR_HOTLIGHT));
    ::SetBkMode(dc, TRANSPARENT);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    // Read now: the theme may have changed since the dialog opened.
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    const auto uiState = static_cast<UINT>(::SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0));
    const UINT prefix = (uiState & UISF_HIDEACCEL) != 0 ? DT_HIDEPREFIX : 0;
    const auto length = static_cast<int>(m_text.size());
    if (length > 0) ::DrawTextW(dc, m_text.c_str(), length, &client, DT_SINGLELINE | DT_VCENTER | prefix);
    if (::GetFocus() == hwnd() && (uiState & UISF_HIDEFOCUS) == 0) {
      RECT text = client;
      ::DrawTextW(dc, m_text.c_str(), length, &text, DT_SINGLELINE | DT_CALCRECT | prefix);
      text.right = std::min(text.right + 1, client.right);
      text.bottom = client.bottom;
      ::DrawFocusRect(dc, &text);
    }
  }
  ::EndPaint(hwnd(), &paint);
}
