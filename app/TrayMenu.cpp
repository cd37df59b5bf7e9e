#include "app/TrayMenu.h"

#include "app/TrayCommands.h"

UniqueMenu BuildTrayMenu() {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return menu;
  ::AppendMenuW(menu.get(), MF_STRING, kSettingsCommand, L"设置");
  ::AppendMenuW(menu.get(), MF_STRING, kAboutCommand, L"关于");
  ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu.get(), MF_STRING, kExitCommand, L"退出");
  return menu;
}

int ChooseFromTrayMenu(HWND owner) {
  const UniqueMenu menu = BuildTrayMenu();
  if (!menu) return 0;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // The documented pattern for a notification icon's menu: the owner comes to
  // the foreground first, and a message after the menu lets it close properly.
  ::SetForegroundWindow(owner);
  // The drop alignment metric is OR-ed in unchanged, as the menu has always done.
  const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | static_cast<UINT>(::GetSystemMetrics(SM_MENUDROPALIGNMENT));
  const int command = static_cast<int>(::TrackPopupMenu(menu.get(), flags, cursor.x, cursor.y, 0, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  return command;
}
