#include "app/TrayMenu.h"

#include <utility>

namespace {

// A WM_CONTEXTMENU this soon after a right click's menu closed belongs to that click.
constexpr ULONGLONG kSameMenuRequestMs = 500;

}  // namespace

UniqueMenu TrayMenu::Build(const Texts& texts, std::span<const OutputDevice> outputs, bool canSwitch) {
  UniqueMenu menu(::CreatePopupMenu());
  UniqueMenu submenu(::CreatePopupMenu());
  if (!menu || !submenu) return UniqueMenu();
  if (!canSwitch || outputs.empty()) {
    ::AppendMenuW(submenu.get(), MF_STRING | MF_GRAYED, 0,
                  texts(canSwitch ? TextId::NoOutputs : TextId::CannotSwitchOutputs).c_str());
  }
  for (size_t index = 0; canSwitch && index < outputs.size() && index < kMostOutputs; ++index) {
    std::wstring name;
    for (const wchar_t c : outputs[index].name) name.append(c == L'&' ? L"&&" : std::wstring(1, c));  // no access key
    const int command = kFirstOutputCommand + static_cast<int>(index);
    ::AppendMenuW(submenu.get(), MF_STRING, static_cast<UINT_PTR>(command), name.c_str());
    if (outputs[index].isDefault) {
      ::CheckMenuRadioItem(submenu.get(), static_cast<UINT>(command), static_cast<UINT>(command),
                           static_cast<UINT>(command), MF_BYCOMMAND);
    }
  }
  ::AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.release()), texts(TextId::MenuOutput).c_str());
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
  // Read now: outputs plugged in or out since the last time count.
  m_listed.clear();
  const bool canSwitch = m_outputs.List(m_listed) && m_outputs.CanSwitch();
  const UniqueMenu menu = Build(m_texts, m_listed, canSwitch);
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

std::wstring TrayMenu::OutputOf(int command) const {
  const int index = command - kFirstOutputCommand;
  if (index < 0 || index >= kMostOutputs || static_cast<size_t>(index) >= m_listed.size()) return {};
  return m_listed[static_cast<size_t>(index)].id;
}
