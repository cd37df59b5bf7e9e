#pragma once
// Thin typed wrappers of the standard controls, holding only what the dialogs use.
#include <windows.h>

#include <commctrl.h>

#include "framework/Wnd.h"

class CStatic : public CWnd {};

class CSliderCtrl : public CWnd {
 public:
  void SetRangeMin(int minimum, BOOL redraw = FALSE) const {
    SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), minimum);
  }
  void SetRangeMax(int maximum, BOOL redraw = FALSE) const {
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum);
  }
  int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
  void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
};
