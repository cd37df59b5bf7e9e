#pragma once
#include <windows.h>

#include "config/Settings.h"

inline constexpr char TRAY_WINDOW_CLASS[] = "BRIMLET_LAUNCHER_TRAY";

// The hidden message-only tray window; null if it could not be created.
extern HWND g_trayWindow;
extern HHOOK g_mouseHook;
// The live settings the mouse hook acts on; tray thread only.
extern Settings g_settings;

// The thread the program lives on: window, tray icon, mouse hook and message
// loop. Returns when Exit is chosen or a quit request arrives.
DWORD WINAPI TrayThreadProc(LPVOID parameter);

// Shows a message box with no owner, caption "错误" and an OK button.
void ShowErrorBox(const wchar_t* text);
