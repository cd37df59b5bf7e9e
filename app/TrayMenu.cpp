#include "app/TrayMenu.h"

#include "app/TrayCommands.h"

namespace {

// GBK (code page 936) bytes of the item texts.
constexpr char kSettingsText[] = "\xC9\xE8\xD6\xC3";  // 设置
constexpr char kAboutText[] = "\xB9\xD8\xD3\xDA";     // 关于
constexpr char kExitText[] = "\xCD\xCB\xB3\xF6";      // 退出

}  // namespace

UniqueMenu BuildTrayMenu() {
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return menu;
  ::AppendMenuA(menu.get(), MF_STRING, IDM_SETTINGS, kSettingsText);
  ::AppendMenuA(menu.get(), MF_STRING, IDM_ABOUT, kAboutText);
  ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu.get(), MF_STRING, IDM_EXIT, kExitText);
  return menu;
}

void OpenTrayMenu(HWND owner) {
  UniqueMenu menu = BuildTrayMenu();
  if (!menu) return;
  ::SetForegroundWindow(owner);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // The drop alignment metric is OR-ed in unchanged, as the menu has always done.
  const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | static_cast<UINT>(::GetSystemMetrics(SM_MENUDROPALIGNMENT));
  const int command = static_cast<int>(::TrackPopupMenu(menu.get(), flags, cursor.x, cursor.y, 0, owner, nullptr));
  menu.reset();
  RunTrayCommand(command);
}
