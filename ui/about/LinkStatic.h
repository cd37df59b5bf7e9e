#pragma once
// A static text turned into a link: drawn in the hot-tracking colour, underlined
// with the hand cursor while the pointer rests on it, opened by the shell on a
// click. It is a tab stop: with the focus it draws a focus rectangle (unless the
// window hides focus cues) and opens on Enter or Space, and a screen reader
// hears it as a link to its address.
#include <string>

#include "framework/Controls.h"
#include "framework/MessageMap.h"

class CLinkStatic : public CStatic {
 public:
  // What a click opens; empty: a click does nothing.
  void SetLink(std::wstring link);

  bool m_hovered = false;
  std::wstring m_text;  // the text drawn, taken from the control when attached

 protected:
  void PreSubclassWindow() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Open() const;
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnChar(WPARAM wParam, LPARAM lParam);
  LRESULT OnFocusChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  std::wstring m_link;

  static const MessageMapEntry<CLinkStatic> kMessageMap[];
};
