#pragma once
// A static text turned into a link: drawn in the hot-tracking colour, underlined
// with the hand cursor while the pointer rests on it, opened by the shell on a click.
#include <string>

#include "framework/Controls.h"
#include "framework/MessageMap.h"

class CLinkStatic : public CStatic {
 public:
  CLinkStatic();

  bool m_hovered = false;
  std::wstring m_link;     // what a click opens; empty: a click does nothing
  std::wstring m_text;     // the text drawn, taken from the control when attached
  COLORREF m_background;   // button face, read once when the object is made

 protected:
  void PreSubclassWindow() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);

  static const MessageMapEntry<CLinkStatic> kMessageMap[];
};
