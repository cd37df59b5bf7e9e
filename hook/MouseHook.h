#pragma once
#include <windows.h>

// The low-level mouse hook: a vertical wheel turn in a configured corner runs
// that corner's action. Every event is passed on; the hook never blocks one.
LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);
