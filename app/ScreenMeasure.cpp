#include "app/ScreenMeasure.h"

#include <windows.h>

ScreenSize MeasurePrimaryScreen() {
  HMONITOR monitor = ::MonitorFromWindow(::GetDesktopWindow(), MONITOR_DEFAULTTONEAREST);
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  mode.dmDriverExtra = 0;
  if (::GetMonitorInfoW(monitor, &info) && ::EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode) &&
      mode.dmPelsWidth != 0 && mode.dmPelsHeight != 0) {
    return {static_cast<int32_t>(mode.dmPelsWidth), static_cast<int32_t>(mode.dmPelsHeight)};
  }
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}
