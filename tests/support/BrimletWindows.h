#pragma once
// Finding Brimlet's windows from another process.
#include <windows.h>

// Brimlet's message-only tray window in process `pid`, or null.
HWND FindTrayWindow(DWORD pid);
// True exactly while the notification area holds an icon for (window, 0).
bool IconExists(HWND window);
