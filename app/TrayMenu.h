#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"

// The tray menu: "设置", "关于", a separator, "退出". Null if it cannot be created.
UniqueMenu BuildTrayMenu();

// Opens the menu at the pointer and returns the chosen command (0 when
// dismissed). `owner` must be a top-level window: only one that can come to the
// foreground lets the menu close when the user clicks elsewhere.
int ChooseFromTrayMenu(HWND owner);
