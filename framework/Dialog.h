#pragma once
// A dialog of the program's own, from a template in its resources. It is open
// beside the thread's other windows, never in a loop of its own: the thread's
// message loop hands it its keys (Tab, the arrows, Enter, Esc, Alt with a
// letter), and it counts as closed the moment it ends. Its caption, every
// control's text and its font come from the string table of one language. It
// opens centred on the work area of the monitor the pointer was on when it was
// asked for. One virtual handler sees every message.
//
// A dialog may keep its controls on pages: its tab control shows one child
// dialog at a time, each from a template of its own and labelled with the
// string of its template's id. Ctrl+Tab and Ctrl+Shift+Tab (or Ctrl+PageDown
// and Ctrl+PageUp) change pages, and Alt with a tab's access key chooses it.
// Every page is made when the dialog opens; the pages' controls take Tab and
// their access keys as the dialog's own do, and their notifications reach the
// one handler as the dialog's own.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The strings a dialog takes its texts from, and the font they are set in.
struct DialogLanguage {
  // Control `id` shows string stringBase + id and the caption is string
  // stringBase + the template's id; a control without a string keeps its text.
  UINT stringBase = 0;
  std::wstring fontFace;
  WORD fontPoints = 9;
  WORD fontWeight = FW_NORMAL;
};

struct DialogPages {
  int tabs = 0;                 // the tab control's id in the dialog's template; 0: no pages
  std::vector<UINT> templates;  // each page's template, in tab order
};

class Dialog {
 public:
  Dialog(UINT templateId, DialogLanguage language, DialogPages pages = {});
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
  bool TakeKeyboardInput(MSG& msg);

  // Control `id` of the dialog or of any of its pages; null if there is none.
  HWND Control(int id) const;
  // Alt with `character` moves the focus: it is the access key of a tab, or
  // of a control of the dialog or of the page shown.
  bool IsAccessKey(WPARAM character) const;
  // Shows page `index` (in tab order) and hides the others.
  void ShowPage(size_t index);
  size_t PageShown() const { return m_page; }

 protected:
  // Every message; a value handles it (for WM_INITDIALOG and the colour
  // messages, the value the system gets), none leaves it to the dialog manager.
  // WM_INITDIALOG comes once the texts are set and the pages made; OK and
  // Cancel that are left unhandled close the dialog.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  const DialogLanguage& language() const { return m_language; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR Answer(HWND window, UINT message, std::optional<LRESULT> result);
  std::wstring Text(UINT id) const;
  void SetTexts(HWND window, UINT templateId) const;
  void MakePages();
  bool TakePageKeys(const MSG& msg);
  void PlaceOnMonitorAt(POINT point) const;

  UINT m_templateId;
  DialogLanguage m_language;
  DialogPages m_pageTemplates;
  HWND m_window = nullptr;
  POINT m_askedAt{};  // the pointer when the dialog was asked for
  std::vector<HWND> m_pages;  // children of m_window, destroyed with it
  size_t m_page = 0;
};
