#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"
#include "ui/Texts.h"

// The tray menu: Settings, About, a separator, Exit. Null if it cannot be created.
UniqueMenu BuildTrayMenu(const Texts& texts);

// Opens the menu at `at` (the pointer, or the icon for a keyboard user) and
// returns the chosen command (0 when dismissed). `owner` must be a top-level
// window: only one that can come to the foreground lets the menu close when the
// user clicks elsewhere.
int ChooseFromTrayMenu(HWND owner, POINT at, const Texts& texts);
