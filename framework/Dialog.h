#pragma once
// Modal dialogs from a dialog template, with member controls bound by id.
#include <windows.h>

#include "framework/Wnd.h"

// Resource type of a template's initialisation data: records of
// {WORD control id, WORD message, DWORD byte count, UTF-16 text with its NUL},
// ended by a zero control id. Each record is sent to its control when the dialog opens.
#define RT_DLGINIT_DATA 240

class CDataExchange {
 public:
  explicit CDataExchange(HWND dialog) : m_dialog(dialog) {}
  HWND m_dialog;
};

// Binds `control` to the dialog's control `id` (once; later calls keep the binding).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, HWND parent = nullptr);

  // Runs the dialog to its end on this thread; IDOK, IDCANCEL or -1 if it could
  // not open. `open` holds the dialog's window while it is open, null after.
  INT_PTR DoModal();
  INT_PTR DoModal(HWND& open);
  void EndDialog(int result) const;

  // Centres the dialog on the work area of the monitor under the pointer, adds
  // the template's initialisation data, then binds the member controls.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  // In a dialog the default processing is the dialog manager's.
  LRESULT Default() override;

 private:
  void CentreOnPointerMonitor() const;
  void ExecuteDlgInit() const;
  bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_templateId;
  HWND m_parent;
  HWND* m_open = nullptr;
  bool m_passOn = false;
};
