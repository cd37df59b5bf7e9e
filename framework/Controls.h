#pragma once
// Thin typed wrappers of the standard controls, holding only what the dialogs use.
#include <windows.h>

#include <commctrl.h>

#include "framework/Wnd.h"

class CStatic : public CWnd {};

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};

class CComboBox : public CWnd {
 public:
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  // An index outside the list clears the selection and returns CB_ERR.
  int SetCurSel(int index) const {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
  }
};

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
