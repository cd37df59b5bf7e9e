#include "ui/settings/KeyField.h"

#include <commctrl.h>

void KeyField::Show(const std::wstring& value) {
  HotKey key;
  const HotKeyProblem problem = CheckHotKey(value, key);
  m_name = FormatHotKey(key);
  const std::wstring shown = problem == HotKeyProblem::Unknown ? m_texts.Filled(TextId::UnknownValue, value) : m_name;
  ::SetWindowTextW(hwnd(), shown.c_str());
}

void KeyField::Take(const HotKey& key) {
  m_name = FormatHotKey(key);
  ::SetWindowTextW(hwnd(), m_name.c_str());  // an edit control notifies EN_CHANGE
  ::SendMessageW(hwnd(), EM_SETSEL, m_name.size(), static_cast<LPARAM>(m_name.size()));
}

void KeyField::Refuse(HotKeyProblem problem, const std::wstring& name) {
  TextId cause = TextId::KeyNeedsModifier;
  if (problem == HotKeyProblem::Reserved) cause = TextId::KeyReserved;
  const std::wstring text = m_texts.Filled(cause, name);
  EDITBALLOONTIP tip{sizeof(tip), nullptr, text.c_str(), TTI_NONE};
  if (!::SendMessageW(hwnd(), EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) ::MessageBeep(MB_OK);
}

std::optional<LRESULT> KeyField::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (IsModifierKey(wParam)) return 0;
      // The keyboard as this key's message saw it.
      const uint8_t modifiers = ModifiersDown([](int key) { return ::GetKeyState(key) < 0; });
      if (modifiers == 0 && (wParam == VK_BACK || wParam == VK_DELETE)) {
        if (!m_name.empty() || ::GetWindowTextLengthW(hwnd()) > 0) Take({});
        return 0;
      }
      // Alt with an access key moves the focus: the dialog hears the character it makes.
      const wchar_t character = static_cast<wchar_t>(::MapVirtualKeyW(static_cast<UINT>(wParam), MAPVK_VK_TO_CHAR));
      if (modifiers == kAlt && character != 0 && m_dialog.IsAccessKey(character)) return std::nullopt;
      const HotKey key{modifiers, static_cast<uint16_t>(wParam)};
      const std::wstring name = FormatHotKey(key);
      if (name.empty()) return 0;  // a key config.ini has no name for
      const HotKeyProblem problem = CheckHotKey(key);
      if (problem == HotKeyProblem::None) {
        Take(key);
      } else {
        Refuse(problem, name);
      }
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      // Characters of the keys taken above; nothing is typed into the field.
      // Alt with an access key goes on to the dialog.
      return message == WM_SYSCHAR && m_dialog.IsAccessKey(wParam) ? std::nullopt : std::optional<LRESULT>(0);
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_CONTEXTMENU:
      return 0;
    default:
      return std::nullopt;
  }
}
