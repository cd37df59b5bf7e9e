#include "framework/Dialog.h"

#include <commctrl.h>

#include <cstring>
#include <utility>
#include <vector>

#include "core/DialogPlacement.h"
#include "framework/Geometry.h"
#include "framework/SystemLibrary.h"

namespace {

// The trackbar and the other common controls need their classes registered;
// registering them again is harmless.
void EnsureCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                      ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&controls);
}

// Reads the extended template's parts up to its font. A template is a run of
// WORDs; a menu or class field is 0, 0xFFFF and an ordinal, or a string.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}
  bool Word(WORD& value) {
    if (m_at + sizeof(WORD) > m_size) return false;
    std::memcpy(&value, m_data + m_at, sizeof(WORD));
    m_at += sizeof(WORD);
    return true;
  }
  bool SkipField() {
    WORD first = 0;
    if (!Word(first)) return false;
    if (first == 0xFFFF) return Word(first);
    return first == 0 || SkipString();
  }
  bool SkipString() {
    for (WORD unit = 1; unit != 0;) {
      if (!Word(unit)) return false;
    }
    return true;
  }
  size_t at() const { return m_at; }
  void Skip(size_t bytes) { m_at += bytes; }

 private:
  const BYTE* m_data;
  size_t m_size;
  size_t m_at = 0;
};

// The template with the language's font in place of its own: the header up to
// the font, the new font, then the controls, which start on a DWORD boundary.
// A template that is not of the extended kind, or names no font, stays as it is.
std::vector<BYTE> TemplateInFont(const BYTE* data, size_t size, const DialogLanguage& language) {
  std::vector<BYTE> original(data, data + size);
  constexpr size_t kStyleAt = 12;
  constexpr size_t kMenuAt = 26;
  TemplateReader reader(data, size);
  WORD version = 0;
  WORD signature = 0;
  DWORD style = 0;
  if (size < kMenuAt || !reader.Word(version) || !reader.Word(signature) || version != 1 || signature != 0xFFFF) {
    return original;
  }
  std::memcpy(&style, data + kStyleAt, sizeof(style));
  reader.Skip(kMenuAt - reader.at());
  if ((style & DS_SETFONT) == 0 || !reader.SkipField() || !reader.SkipField() || !reader.SkipString()) return original;
  const size_t fontAt = reader.at();
  reader.Skip(2 * sizeof(WORD) + 2);  // points, weight, italic, character set
  if (!reader.SkipString()) return original;
  const size_t controlsAt = (reader.at() + 3) & ~size_t{3};
  if (controlsAt > size || language.fontFace.empty()) return original;

  std::vector<BYTE> patched(data, data + fontAt);
  const auto append = [&patched](const void* bytes, size_t count) {
    const auto* first = static_cast<const BYTE*>(bytes);
    patched.insert(patched.end(), first, first + count);
  };
  append(&language.fontPoints, sizeof(WORD));
  append(&language.fontWeight, sizeof(WORD));
  append(data + fontAt + 2 * sizeof(WORD), 2);  // italic and character set as they were
  append(language.fontFace.c_str(), (language.fontFace.size() + 1) * sizeof(wchar_t));
  patched.resize((patched.size() + 3) & ~size_t{3}, 0);
  append(data + controlsAt, size - controlsAt);
  return patched;
}

// Template `id` in the language's font; empty when the resources lack it.
std::vector<BYTE> LoadTemplate(UINT id, const DialogLanguage& language) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
  if (data == nullptr) return {};
  return TemplateInFont(data, ::SizeofResource(module, resource), language);
}

wchar_t Upper(WPARAM character) {
  // CharUpperW takes a single character in the low word of its "string".
  return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(::CharUpperW(reinterpret_cast<wchar_t*>(character & 0xFFFF))));
}

// The letter after a single '&', upper case; 0 when the text has none.
wchar_t AccessKey(const std::wstring& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return Upper(text[i + 1]);
    ++i;  // "&&" is a '&' shown
  }
  return 0;
}

// A page drawn on the tab control's own background where a visual style has
// one, as property sheets are. uxtheme.dll is no KnownDLL: from the system
// folder only.
void DrawOnTabBackground(HWND page) {
  const UniqueModule uxtheme = LoadSystemLibrary(L"uxtheme.dll");
  HRESULT(WINAPI * enableTexture)(HWND, DWORD) = nullptr;
  constexpr DWORD kEnableTab = 6;  // ETDT_ENABLETAB
  if (Resolve(uxtheme.get(), "EnableThemeDialogTexture", enableTexture)) enableTexture(page, kEnableTab);
}

class WindowFrame final : public MovableFrame {
 public:
  explicit WindowFrame(HWND window) : m_window(window) {}
  ScreenRect Bounds() override {
    RECT rect{};
    ::GetWindowRect(m_window, &rect);
    return ToScreenRect(rect);
  }
  void MoveTo(int32_t left, int32_t top) override {
    ::SetWindowPos(m_window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  HWND m_window;
};

}  // namespace

Dialog::Dialog(UINT templateId, DialogLanguage language, DialogPages pages)
    : m_templateId(templateId), m_language(std::move(language)), m_pageTemplates(std::move(pages)) {}

Dialog::~Dialog() {
  // The derived part is gone: no message may reach OnMessage any more.
  if (m_window == nullptr) return;
  ::SetWindowLongPtrW(m_window, DWLP_USER, 0);
  ::DestroyWindow(std::exchange(m_window, nullptr));
}

bool Dialog::Show() {
  if (m_window != nullptr) {
    ::SetForegroundWindow(::GetLastActivePopup(m_window));
    return true;
  }
  // Where the user asked for it, before making the dialog takes its time.
  ::GetCursorPos(&m_askedAt);
  const std::vector<BYTE> bytes = LoadTemplate(m_templateId, m_language);
  if (bytes.empty()) return false;
  EnsureCommonControls();
  if (::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                   nullptr, &Dialog::Procedure, reinterpret_cast<LPARAM>(this)) == nullptr) {
    return false;
  }
  ::ShowWindow(m_window, SW_SHOW);
  ::SetForegroundWindow(m_window);
  return true;
}

void Dialog::Close() {
  if (m_window != nullptr) ::DestroyWindow(m_window);  // synchronous: m_window is null afterwards
}

bool Dialog::TakeKeyboardInput(MSG& msg) {
  if (m_window == nullptr) return false;
  return TakePageKeys(msg) || ::IsDialogMessageW(m_window, &msg);
}

HWND Dialog::Control(int id) const {
  if (m_window == nullptr) return nullptr;
  if (HWND control = ::GetDlgItem(m_window, id)) return control;
  for (HWND page : m_pages) {
    if (HWND control = ::GetDlgItem(page, id)) return control;
  }
  return nullptr;
}

bool Dialog::IsAccessKey(WPARAM character) const {
  const wchar_t key = Upper(character);
  if (key == 0 || m_window == nullptr) return false;
  for (const UINT templateId : m_pageTemplates.templates) {
    if (AccessKey(Text(templateId)) == key) return true;
  }
  for (HWND parent : {m_window, m_page < m_pages.size() ? m_pages[m_page] : nullptr}) {
    for (HWND child = parent ? ::GetWindow(parent, GW_CHILD) : nullptr; child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      wchar_t text[128] = {};
      // What is typed in a field is no label.
      if (::GetClassNameW(child, text, 128) > 0 && ::lstrcmpiW(text, L"Edit") == 0) continue;
      ::GetWindowTextW(child, text, 128);
      if (AccessKey(text) == key) return true;
    }
  }
  return false;
}

std::wstring Dialog::Text(UINT id) const {
  const wchar_t* resource = nullptr;
  // With a length of 0 the loader hands out the resource itself, without its NUL.
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), m_language.stringBase + id,
                                   reinterpret_cast<wchar_t*>(&resource), 0);
  return length > 0 ? std::wstring(resource, static_cast<size_t>(length)) : std::wstring();
}

void Dialog::SetTexts(HWND window, UINT templateId) const {
  if (const std::wstring caption = Text(templateId); !caption.empty()) ::SetWindowTextW(window, caption.c_str());
  for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    if (id <= 0 || id > 0xFFFF) continue;
    if (const std::wstring own = Text(static_cast<UINT>(id)); !own.empty()) ::SetWindowTextW(child, own.c_str());
  }
}

// Each page on top of the others in the order of its tab, above the buttons
// and the tab control, as property sheets have it: Tab goes through the page,
// then the buttons, then the tabs.
void Dialog::MakePages() {
  HWND tabs = ::GetDlgItem(m_window, m_pageTemplates.tabs);
  if (tabs == nullptr) return;
  for (const UINT templateId : m_pageTemplates.templates) {
    const std::vector<BYTE> bytes = LoadTemplate(templateId, m_language);
    HWND page = bytes.empty() ? nullptr
                              : ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                                             reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                                             m_window, &Dialog::PageProcedure,
                                                             reinterpret_cast<LPARAM>(this));
    if (page == nullptr) continue;
    SetTexts(page, templateId);
    std::wstring label = Text(templateId);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    ::SendMessageW(tabs, TCM_INSERTITEMW, m_pages.size(), reinterpret_cast<LPARAM>(&item));
    DrawOnTabBackground(page);
    m_pages.push_back(page);
  }
  // The tabs' rows are known once every tab is in: the pages fill what they leave.
  RECT area{};
  ::GetWindowRect(tabs, &area);
  ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&area), 2);
  ::SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  HWND above = HWND_TOP;
  for (HWND page : m_pages) {
    ::SetWindowPos(page, above, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
    above = page;
  }
  ShowPage(0);
}

void Dialog::ShowPage(size_t index) {
  if (index >= m_pages.size()) return;
  HWND focus = ::GetFocus();
  const bool focusOnPage = focus != nullptr && m_page < m_pages.size() && ::IsChild(m_pages[m_page], focus);
  m_page = index;
  ::SendDlgItemMessageW(m_window, m_pageTemplates.tabs, TCM_SETCURSEL, index, 0);
  ::ShowWindow(m_pages[index], SW_SHOW);
  for (size_t other = 0; other < m_pages.size(); ++other) {
    if (other != index) ::ShowWindow(m_pages[other], SW_HIDE);
  }
  // The focus never stays on a page that is gone from view.
  if (focusOnPage) {
    if (HWND first = ::GetNextDlgTabItem(m_pages[index], nullptr, FALSE)) {
      ::SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
  }
}

bool Dialog::TakePageKeys(const MSG& msg) {
  if (m_pages.empty() || (msg.hwnd != m_window && !::IsChild(m_window, msg.hwnd))) return false;
  const size_t count = m_pages.size();
  if (msg.message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 &&
      (msg.wParam == VK_TAB || msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR)) {
    const bool forward = msg.wParam == VK_TAB ? ::GetKeyState(VK_SHIFT) >= 0 : msg.wParam == VK_NEXT;
    ShowPage((m_page + (forward ? 1 : count - 1)) % count);
    return true;
  }
  if (msg.message != WM_SYSCHAR) return false;
  const wchar_t key = Upper(msg.wParam);
  for (size_t page = 0; page < count && page < m_pageTemplates.templates.size(); ++page) {
    if (AccessKey(Text(m_pageTemplates.templates[page])) != key) continue;
    ShowPage(page);
    return true;
  }
  return false;
}

void Dialog::PlaceOnMonitorAt(POINT point) const {
  ScreenRect monitor;
  ScreenRect workArea;
  if (!MonitorAt(point, monitor, workArea)) return;
  WindowFrame frame(m_window);
  CentreOnWorkArea(frame, workArea);
}

INT_PTR Dialog::Answer(HWND window, UINT message, std::optional<LRESULT> result) {
  if (!result) return FALSE;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return static_cast<INT_PTR>(*result);
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, *result);
  return TRUE;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->m_window = window;
    self->SetTexts(window, self->m_templateId);
    self->MakePages();
    self->PlaceOnMonitorAt(self->m_askedAt);
    if (!self->OnMessage(message, wParam, lParam).value_or(TRUE)) return FALSE;
    // The first tab stop, now that the pages are there: the system picked its
    // candidate before they were.
    if (HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE)) ::SetFocus(first);
    return FALSE;
  }
  auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    self->m_window = nullptr;
    self->m_pages.clear();
    return FALSE;
  }
  if (message == WM_NOTIFY && !self->m_pages.empty()) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom == static_cast<UINT_PTR>(self->m_pageTemplates.tabs) && header.code == TCN_SELCHANGE) {
      self->ShowPage(static_cast<size_t>(::SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    }
  }
  const std::optional<LRESULT> result = self->OnMessage(message, wParam, lParam);
  if (!result && message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    self->Close();
    return TRUE;
  }
  return Answer(window, message, result);
}

// A page's controls notify the page: their notifications go to the dialog's one handler.
INT_PTR CALLBACK Dialog::PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(page, DWLP_USER, lParam);
    return FALSE;
  }
  auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(page, DWLP_USER));
  const bool notification = message == WM_COMMAND || message == WM_NOTIFY || message == WM_HSCROLL ||
                            message == WM_VSCROLL || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
  if (self == nullptr || self->m_window == nullptr || !notification) return FALSE;
  // OK and Cancel are the dialog's; a page has none of its own.
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) return FALSE;
  return Answer(page, message, self->OnMessage(message, wParam, lParam));
}
