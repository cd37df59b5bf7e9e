#pragma once
// The standard controls of a dialog, and a control whose messages reach an
// object of the program's own first.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);
std::wstring TextOf(HWND control);

// A control of a dialog, taken over by subclassing: its messages reach
// OnMessage, and what that leaves goes to the control's own procedure.
class SubclassedControl {
 public:
  SubclassedControl() = default;
  virtual ~SubclassedControl() { Release(); }
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;

  // Takes over control `id` of `dialog`; false if there is none.
  bool TakeOver(HWND dialog, int id);
  HWND hwnd() const { return m_control; }

 protected:
  // Every message of the control; none leaves it to the control's own procedure.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The control's own handling of the message being handled.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefSubclassProc(m_control, message, wParam, lParam);
  }

 private:
  void Release();
  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
  HWND m_control = nullptr;
};
