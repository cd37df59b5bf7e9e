#pragma once
// The one way the program shows a message, and its one rule. A box a dialog
// raises is owned by it: it opens on that dialog's monitor, in front of it,
// carries the program's title and the warning icon, and the dialog waits until
// it is closed. A box the program raises on its own says "错误" ("Error"),
// comes to the front by itself, and is owned by the program's hidden window,
// so the program's other windows stay its own (and its dialogs take their
// keys meanwhile, see framework/DialogKeys).
#include <windows.h>

#include <string>

#include "ui/Texts.h"

void ShowDialogMessage(HWND dialog, const std::wstring& text);
void ShowProgramMessage(const Texts& texts, HWND programWindow, const std::wstring& text);
