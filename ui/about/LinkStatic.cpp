#include "ui/about/LinkStatic.h"

#include <shellapi.h>

#include "framework/Gdi.h"

const MessageMapEntry<CLinkStatic> CLinkStatic::kMessageMap[6] = {
    OnMessage(WM_MOUSEMOVE, &CLinkStatic::OnMouseMove),   OnMessage(WM_LBUTTONUP, &CLinkStatic::OnLButtonUp),
    OnMessage(WM_MOUSEHOVER, &CLinkStatic::OnMouseHover), OnMessage(WM_MOUSELEAVE, &CLinkStatic::OnMouseLeave),
    OnMessage(WM_SETCURSOR, &CLinkStatic::OnSetCursor),   OnMessage(WM_PAINT, &CLinkStatic::OnPaint),
};

CLinkStatic::CLinkStatic() : m_clrBack(::GetSysColor(COLOR_BTNFACE)) {}

void CLinkStatic::PreSubclassWindow() {
  // A static control gets mouse messages only with SS_NOTIFY.
  ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | SS_NOTIFY);
  m_strText = GetWindowText();
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
  if (m_bHover) return Default();
  m_bHover = true;
  Invalidate(true);
  return 0;
}

LRESULT CLinkStatic::OnMouseLeave(WPARAM, LPARAM) {
  m_bHover = false;
  Invalidate(true);
  return 0;
}

LRESULT CLinkStatic::OnSetCursor(WPARAM, LPARAM) {
  if (!m_bHover) return Default();
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  return TRUE;
}

LRESULT CLinkStatic::OnLButtonUp(WPARAM, LPARAM) {
  if (!m_strLink.empty()) ::ShellExecuteW(nullptr, L"open", m_strLink.c_str(), nullptr, nullptr, SW_SHOW);
  return 0;
}

LRESULT CLinkStatic::OnPaint(WPARAM, LPARAM) {
  CPaintDC dc(*this);
  CFont underlined;
  HGDIOBJ previousFont = nullptr;
  if (auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))) {
    LOGFONTW description{};
    if (::GetObjectW(font, sizeof(description), &description) != 0) {
      description.lfUnderline = m_bHover ? TRUE : FALSE;
      if (underlined.CreateFontIndirect(&description)) previousFont = ::SelectObject(dc.m_hDC, underlined.get());
    }
  }
  ::SetTextColor(dc.m_hDC, ::GetSysColor(COLOR_HOTLIGHT));
  ::SetBkMode(dc.m_hDC, TRANSPARENT);

  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  UniqueGdiObject background(::CreateSolidBrush(m_clrBack));
  ::FillRect(dc.m_hDC, &client, static_cast<HBRUSH>(background.get()));
  if (!m_strText.empty()) {
    ::DrawTextW(dc.m_hDC, m_strText.c_str(), static_cast<int>(m_strText.size()), &client,
                DT_SINGLELINE | DT_VCENTER);
  }
  // The font made for this paint is released with it, after the old one is back.
  if (previousFont != nullptr) ::SelectObject(dc.m_hDC, previousFont);
  return 0;
}
