#pragma once
// A window object that can attach to an existing control by subclassing it.
// Messages its class does not handle go to the control's own procedure.
#include <windows.h>

#include <string>

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Attaches to control `id` of `dialog`; false if there is no such control.
  bool SubclassDlgItem(int id, HWND dialog);
  void UnsubclassWindow();

  std::wstring GetWindowText() const;
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Invalidate(bool erase = true) const;

  HWND m_hWnd = nullptr;

 protected:
  // Called while attaching, before the window's messages reach this object.
  virtual void PreSubclassWindow() {}
  // The class's own handlers; false leaves the message to the default processing.
  virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The default processing of the message being handled now.
  virtual LRESULT Default();

  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };
  CurrentMessage m_current;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  WNDPROC m_superProc = nullptr;
};
