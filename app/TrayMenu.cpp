#include "app/TrayMenu.h"

#include "app/TrayCommands.h"

UniqueMenu BuildTrayMenu(const Texts& texts) {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return menu;
  ::AppendMenuW(menu.get(), MF_STRING, kSettingsCommand, texts(TextId::MenuSettings).c_str());
  ::AppendMenuW(menu.get(), MF_STRING, kAboutCommand, texts(TextId::MenuAbout).c_str());
  ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu.get(), MF_STRING, kExitCommand, texts(TextId::MenuExit).c_str());
  return menu;
}

int ChooseFromTrayMenu(HWND owner, POINT at, const Texts& texts) {
  const UniqueMenu menu = BuildTrayMenu(texts);
  if (!menu) return 0;
  // The documented pattern for a notification icon's menu: the owner comes to
  // the foreground first, and a message after the menu lets it close properly.
  ::SetForegroundWindow(owner);
  // The drop alignment metric is OR-ed in unchanged, as the menu has always done.
  const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | static_cast<UINT>(::GetSystemMetrics(SM_MENUDROPALIGNMENT));
  const int command = static_cast<int>(::TrackPopupMenu(menu.get(), flags, at.x, at.y, 0, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  return command;
}
