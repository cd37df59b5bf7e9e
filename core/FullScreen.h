#pragma once
// The full-screen rule: a window is full-screen when its rectangle is exactly
// its monitor's (a maximised window leaves the taskbar or reaches past the edges).
#include "core/ScreenRect.h"

inline bool CoversMonitorExactly(const ScreenRect& window, const ScreenRect& monitor) { return window == monitor; }
