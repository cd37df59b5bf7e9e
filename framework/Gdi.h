#pragma once
// Painting helpers: the paint device context and a font that is deleted with its owner.
#include <windows.h>

#include "framework/UniqueHandle.h"
#include "framework/Wnd.h"

class CPaintDC {
 public:
  explicit CPaintDC(const CWnd& window) : m_window(window.m_hWnd) { m_hDC = ::BeginPaint(m_window, &m_paint); }
  ~CPaintDC() { ::EndPaint(m_window, &m_paint); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC m_hDC = nullptr;

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
};

class CFont {
 public:
  bool CreateFontIndirect(const LOGFONTW* font) {
    m_font.reset(::CreateFontIndirectW(font));
    return static_cast<bool>(m_font);
  }
  HFONT get() const { return static_cast<HFONT>(m_font.get()); }

 private:
  UniqueGdiObject m_font;
};
