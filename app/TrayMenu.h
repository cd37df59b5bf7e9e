#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"

// The tray menu: "设置", "关于", a separator, "退出", as GBK text through the
// 8-bit menu interface. Null if the menu cannot be created.
UniqueMenu BuildTrayMenu();

// Opens the menu at the pointer, owned by `owner`, and runs the chosen command
// (0 when dismissed). Does nothing if the menu cannot be created.
void OpenTrayMenu(HWND owner);
