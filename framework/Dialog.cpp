#include "framework/Dialog.h"

#include <commctrl.h>

#include <cstring>
#include <utility>
#include <vector>

#include "core/DialogPlacement.h"
#include "framework/Geometry.h"

namespace {

// The trackbar and the other common controls need their classes registered;
// registering them again is harmless.
void EnsureCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
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

Dialog::Dialog(UINT templateId, DialogLanguage language) : m_templateId(templateId), m_language(std::move(language)) {}

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
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(m_templateId), MAKEINTRESOURCEW(5));  // RT_DIALOG
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
  if (data == nullptr) return false;
  const std::vector<BYTE> bytes = TemplateInFont(data, ::SizeofResource(module, resource), m_language);
  EnsureCommonControls();
  if (::CreateDialogIndirectParamW(module, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), nullptr,
                                   &Dialog::Procedure, reinterpret_cast<LPARAM>(this)) == nullptr) {
    return false;
  }
  ::ShowWindow(m_window, SW_SHOW);
  ::SetForegroundWindow(m_window);
  return true;
}

void Dialog::Close() {
  if (m_window != nullptr) ::DestroyWindow(m_window);  // synchronous: m_window is null afterwards
}

void Dialog::SetTexts() const {
  HMODULE module = ::GetModuleHandleW(nullptr);
  const auto text = [module, this](UINT id) {
    const wchar_t* resource = nullptr;
    // With a length of 0 the loader hands out the resource itself, without its NUL.
    const int length = ::LoadStringW(module, m_language.stringBase + id, reinterpret_cast<wchar_t*>(&resource), 0);
    return length > 0 ? std::wstring(resource, static_cast<size_t>(length)) : std::wstring();
  };
  if (const std::wstring caption = text(m_templateId); !caption.empty()) ::SetWindowTextW(m_window, caption.c_str());
  for (HWND child = ::GetWindow(m_window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    if (id <= 0 || id > 0xFFFF) continue;
    if (const std::wstring own = text(static_cast<UINT>(id)); !own.empty()) ::SetWindowTextW(child, own.c_str());
  }
}

void Dialog::PlaceOnPointerMonitor() const {
  POINT pointer{};
  ::GetCursorPos(&pointer);
  ScreenRect monitor;
  ScreenRect workArea;
  if (!MonitorAt(pointer, monitor, workArea)) return;
  WindowFrame frame(m_window);
  CentreOnWorkArea(frame, workArea);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->m_window = window;
    self->SetTexts();
    self->PlaceOnPointerMonitor();
    return self->OnMessage(message, wParam, lParam).value_or(TRUE);
  }
  auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    self->m_window = nullptr;
    return FALSE;
  }
  const std::optional<LRESULT> result = self->OnMessage(message, wParam, lParam);
  if (!result) {
    const bool closing = message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
    if (closing) self->Close();
    return closing ? TRUE : FALSE;
  }
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    return static_cast<INT_PTR>(*result);
  }
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, *result);
  return TRUE;
}
