#include "ui/about/LinkStatic.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "framework/Accessibility.h"
#include "framework/Gdi.h"

const MessageMapEntry<CLinkStatic> CLinkStatic::kMessageMap[] = {
    OnMessage(WM_MOUSEMOVE, &CLinkStatic::OnMouseMove),     OnMessage(WM_LBUTTONUP, &CLinkStatic::OnLButtonUp),
    OnMessage(WM_MOUSEHOVER, &CLinkStatic::OnMouseHover),   OnMessage(WM_MOUSELEAVE, &CLinkStatic::OnMouseLeave),
    OnMessage(WM_SETCURSOR, &CLinkStatic::OnSetCursor),     OnMessage(WM_PAINT, &CLinkStatic::OnPaint),
    OnMessage(WM_GETDLGCODE, &CLinkStatic::OnGetDlgCode),   OnMessage(WM_KEYDOWN, &CLinkStatic::OnKeyDown),
    OnMessage(WM_CHAR, &CLinkStatic::OnChar),               OnMessage(WM_SETFOCUS, &CLinkStatic::OnFocusChange),
    OnMessage(WM_KILLFOCUS, &CLinkStatic::OnFocusChange),   OnMessage(WM_UPDATEUISTATE, &CLinkStatic::OnFocusChange),
    OnMessage(WM_DESTROY, &CLinkStatic::OnDestroy),
};

void CLinkStatic::PreSubclassWindow() {
  // A static control gets mouse messages only with SS_NOTIFY, and the focus
  // from the keyboard only as a tab stop.
  ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | SS_NOTIFY | WS_TABSTOP);
  m_text = GetWindowText();
  CStatic::PreSubclassWindow();
}

void CLinkStatic::SetLink(std::wstring link) {
  m_link = std::move(link);
  AnnounceAsLink(m_hWnd, m_link.c_str());
}

void CLinkStatic::Open() const {
  if (!m_link.empty()) ::ShellExecuteW(nullptr, L"open", m_link.c_str(), nullptr, nullptr, SW_SHOW);
}

LRESULT CLinkStatic::OnGetDlgCode(WPARAM wParam, LPARAM lParam) {
  // Enter opens the link rather than pressing the dialog's default button;
  // Space comes as a character.
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (message != nullptr && message->message == WM_KEYDOWN && wParam == VK_RETURN) return DLGC_WANTMESSAGE;
  return DLGC_WANTCHARS;
}

LRESULT CLinkStatic::OnKeyDown(WPARAM wParam, LPARAM) {
  if (wParam == VK_RETURN) Open();
  return Default();
}

LRESULT CLinkStatic::OnChar(WPARAM wParam, LPARAM) {
  if (wParam == L' ') Open();
  return 0;
}

LRESULT CLinkStatic::OnFocusChange(WPARAM, LPARAM) {
  const LRESULT result = Default();
  Invalidate(true);
  return result;
}

LRESULT CLinkStatic::OnDestroy(WPARAM, LPARAM) {
  ClearAnnouncements(m_hWnd);
  return Default();
}

bool CLinkStatic::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result);
}

LRESULT CLinkStatic::OnMouseMove(WPARAM, LPARAM) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = m_hWnd;
  track.dwHoverTime = 1;
  ::_TrackMouseEvent(&track);
  return 0;
}

LRESULT CLinkStatic::OnMouseHover(WPARAM, LPARAM) {
  if (m_hovered) return Default();
  m_hovered = true;
  Invalidate(true);
  return 0;
}

LRESULT CLinkStatic::OnMouseLeave(WPARAM, LPARAM) {
  m_hovered = false;
  Invalidate(true);
  return 0;
}

LRESULT CLinkStatic::OnSetCursor(WPARAM, LPARAM) {
  if (!m_hovered) return Default();
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  return TRUE;
}

LRESULT CLinkStatic::OnLButtonUp(WPARAM, LPARAM) {
  Open();
  return 0;
}

LRESULT CLinkStatic::OnPaint(WPARAM, LPARAM) {
  CPaintDC dc(*this);
  // Made for this paint and released with it, after the old font is back.
  CFont underlined;
  if (auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))) {
    LOGFONTW description{};
    if (::GetObjectW(font, sizeof(description), &description) != 0) {
      description.lfUnderline = m_hovered ? TRUE : FALSE;
      underlined.CreateFontIndirect(&description);
    }
  }
  const GdiSelection selected(dc.m_hDC, underlined.get());
  ::SetTextColor(dc.m_hDC, ::GetSysColor(COLOR_HOTLIGHT));
  ::SetBkMode(dc.m_hDC, TRANSPARENT);

  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  // Read now: the theme may have changed since the dialog opened.
  ::FillRect(dc.m_hDC, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  if (!m_text.empty()) {
    ::DrawTextW(dc.m_hDC, m_text.c_str(), static_cast<int>(m_text.size()), &client, DT_SINGLELINE | DT_VCENTER);
  }
  const bool hideFocus = (SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS) != 0;
  if (::GetFocus() == m_hWnd && !hideFocus) {
    RECT text = client;
    ::DrawTextW(dc.m_hDC, m_text.c_str(), static_cast<int>(m_text.size()), &text, DT_SINGLELINE | DT_CALCRECT);
    text.right = std::min(text.right + 1, client.right);
    text.bottom = client.bottom;
    ::DrawFocusRect(dc.m_hDC, &text);
  }
  return 0;
}
