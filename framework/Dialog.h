#pragma once
// A dialog of the program's own, from a template in its resources. It is open
// beside the thread's other windows, never in a loop of its own: the thread's
// message loop hands it its keys (Tab, the arrows, Enter, Esc, Alt with a
// letter), and it counts as closed the moment it ends. Its caption, every
// control's text and its font come from the string table of one language. It
// opens centred on the work area of the monitor under the pointer. One virtual
// handler sees every message.
#include <windows.h>

#include <optional>
#include <string>

// The strings a dialog takes its texts from, and the font they are set in.
struct DialogLanguage {
  // Control `id` shows string stringBase + id and the caption is string
  // stringBase + the template's id; a control without a string keeps its text.
  UINT stringBase = 0;
  std::wstring fontFace;
  WORD fontPoints = 9;
  WORD fontWeight = FW_NORMAL;
};

class Dialog {
 public:
  Dialog(UINT templateId, DialogLanguage language);
  // A derived dialog closes itself in its own destructor, while it is whole.
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Opens the dialog; open already, it (or the box it waits for) comes to the
  // front instead. False when it could not be made.
  bool Show();
  // Ends the dialog: closed from now on.
  void Close();
  bool IsOpen() const { return m_window != nullptr; }
  HWND hwnd() const { return m_window; }
  // From the thread's message loop: true when `msg` was the dialog's keyboard input.
  bool TakeKeyboardInput(MSG& msg) const { return m_window != nullptr && ::IsDialogMessageW(m_window, &msg); }

 protected:
  // Every message; a value handles it (for WM_INITDIALOG and the colour
  // messages, the value the system gets), none leaves it to the dialog manager.
  // WM_INITDIALOG comes once the texts are set; OK and Cancel that are left
  // unhandled close the dialog.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  const DialogLanguage& language() const { return m_language; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void SetTexts() const;
  void PlaceOnPointerMonitor() const;

  UINT m_templateId;
  DialogLanguage m_language;
  HWND m_window = nullptr;
};
