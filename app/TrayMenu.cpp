#include "app/TrayMenu.h"

#include <utility>

namespace {

// A WM_CONTEXTMENU this soon after a right click's menu closed belongs to that click.
constexpr ULONGLONG kSameMenuRequestMs = 500;

}  // namespace

UniqueMenu TrayMenu::Build(const Texts& texts) {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return menu;
  ::AppendMenuW(menu.get(), MF_STRING, kSettingsCommand, texts(TextId::MenuSettings).c_str());
  ::AppendMenuW(menu.get(), MF_STRING, kAboutCommand, texts(TextId::MenuAbout).c_str());
  ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu.get(), MF_STRING, kExitCommand, texts(TextId::MenuExit).c_str());
  return menu;
}

int TrayMenu::OnIconEvent(UINT event, POINT iconAt, HWND owner) {
  switch (event) {
    case WM_RBUTTONDOWN: {
      POINT pointer{};
      ::GetCursorPos(&pointer);
      return Open(pointer, owner, true);
    }
    case WM_CONTEXTMENU:  // Shift+F10, the menu key, or what follows a right click
      if (::GetTickCount64() - std::exchange(m_rightClickMenuClosedAt, 0) < kSameMenuRequestMs) return 0;
      return Open(iconAt, owner, false);
    case NIN_KEYSELECT:  // Enter
      return Open(iconAt, owner, false);
    default:
      return 0;
  }
}

bool TrayMenu::CloseForExit() {
  if (!m_open) return false;
  m_exitAsked = true;
  ::EndMenu();
  return true;
}

int TrayMenu::Open(POINT at, HWND owner, bool byRightClick) {
  if (m_open) return 0;
  const UniqueMenu menu = Build(m_texts);
  if (!menu) return 0;
  m_open = true;
  // The documented pattern for a notification icon's menu: the owner comes to
  // the foreground first, and a message after the menu lets it close properly.
  ::SetForegroundWindow(owner);
  // The drop alignment metric is OR-ed in unchanged, as the menu has always done.
  const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | static_cast<UINT>(::GetSystemMetrics(SM_MENUDROPALIGNMENT));
  const int command = static_cast<int>(::TrackPopupMenu(menu.get(), flags, at.x, at.y, 0, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  m_open = false;
  if (std::exchange(m_exitAsked, false)) return kExitCommand;
  if (byRightClick) m_rightClickMenuClosedAt = ::GetTickCount64();
  if (command == 0 && !byRightClick && (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0) m_icon.GiveFocusBack();
  return command;
}
