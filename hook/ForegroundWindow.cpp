#include "hook/ForegroundWindow.h"

#include <windows.h>

#include "core/FullScreen.h"

namespace {

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

bool ForegroundIsFullScreen(const ScreenRect* onMonitor) {
  HWND foreground = ::GetForegroundWindow();
  if (foreground == nullptr || foreground == ::GetDesktopWindow() || foreground == ::GetShellWindow()) {
    return false;
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT window{};
  if (!::GetMonitorInfoW(::MonitorFromWindow(foreground, MONITOR_DEFAULTTOPRIMARY), &monitor) ||
      !::GetWindowRect(foreground, &window)) {
    return false;
  }
  if (onMonitor != nullptr && ToScreenRect(monitor.rcMonitor) != *onMonitor) return false;
  return CoversMonitorExactly(ToScreenRect(window), ToScreenRect(monitor.rcMonitor));
}

