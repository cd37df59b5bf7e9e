#pragma once
// A static text of a dialog turned into a link: drawn in the hot-tracking
// colour, underlined with the hand cursor while the pointer rests on it, opened
// by the shell on a click. It is a tab stop: with the focus it draws a focus
// rectangle (unless the window hides focus cues) and opens on Enter or Space,
// and a screen reader hears it as a link to its address.
#include <string>

#include "framework/Controls.h"

class LinkControl final : public SubclassedControl {
 public:
  // Takes over the static text `id` of `dialog` as a link to `address`; the
  // text drawn is the control's text now.
  bool TakeOver(HWND dialog, int id, std::wstring address);

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Open() const;
  void Paint() const;
  void Redraw() const { ::InvalidateRect(hwnd(), nullptr, TRUE); }

  std::wstring m_address;
  std::wstring m_text;
  bool m_hovered = false;
};
