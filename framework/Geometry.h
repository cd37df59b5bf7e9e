#pragma once
// Rectangles between the system and the platform-neutral code, and the monitor
// a point or a window is on.
#include <windows.h>

#include "core/ScreenRect.h"

inline ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The monitor nearest to `point`: its full rectangle and its work area; false
// when the system gives neither.
inline bool MonitorAt(POINT point, ScreenRect& monitor, ScreenRect& workArea) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoW(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info)) return false;
  monitor = ToScreenRect(info.rcMonitor);
  workArea = ToScreenRect(info.rcWork);
  return true;
}
