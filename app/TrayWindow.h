#pragma once
#include <windows.h>

// The tray window's procedure: opens the menu when the right button goes down
// on the icon, and shows the reports the mouse hook posts.
LRESULT CALLBACK TrayWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
