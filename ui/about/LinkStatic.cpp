#include "ui/about/LinkStatic.h"

#include <shellapi.h>

#include "framework/Gdi.h"

const MessageMapEntry<CLinkStatic> CLinkStatic::kMessageMap[] = {
    OnMessage(WM_MOUSEMOVE, &CLinkStatic::OnMouseMove),   OnMessage(WM_LBUTTONUP, &CLinkStatic::OnLButtonUp),
    OnMessage(WM_MOUSEHOVER, &CLinkStatic::OnMouseHover), OnMessage(WM_MOUSELEAVE, &CLinkStatic::OnMouseLeave),
    OnMessage(WM_SETCURSOR, &CLinkStatic::OnSetCursor),   OnMessage(WM_PAINT, &CLinkStatic::OnPaint),
};

CLinkStatic::CLinkStatic() : m_background(::GetSysColor(COLOR_BTNFACE)) {}

void CLinkStatic::PreSubclassWindow() {
  // A static control gets mouse messages only with SS_NOTIFY.
  ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | SS_NOTIFY);
  m_text = GetWindowText();
  CStatic::PreSubclassWindow();
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
  if (!m_link.empty()) ::ShellExecuteW(nullptr, L"open", m_link.c_str(), nullptr, nullptr, SW_SHOW);
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
  const UniqueGdiObject background(::CreateSolidBrush(m_background));
  ::FillRect(dc.m_hDC, &client, static_cast<HBRUSH>(background.get()));
  if (!m_text.empty()) {
    ::DrawTextW(dc.m_hDC, m_text.c_str(), static_cast<int>(m_text.size()), &client, DT_SINGLELINE | DT_VCENTER);
  }
  return 0;
}
