#pragma once
// The one way the program shows a message, and its one rule. A box a window of
// the program raises (a dialog) is owned by it: it opens on that window's
// monitor, in front of it, carries the program's title and the warning icon,
// and the window waits until it is closed. A box the program raises on its own
// says "错误" ("Error") and comes to the front by itself.
#include <windows.h>

#include <string>

#include "ui/Texts.h"

void ShowMessage(const Texts& texts, HWND raisedBy, const std::wstring& text);
