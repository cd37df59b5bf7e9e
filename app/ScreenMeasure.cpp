#include "app/ScreenMeasure.h"

#include <windows.h>

#include <shellapi.h>

#include "core/ZoneChoice.h"
#include "framework/FileNames.h"
#include "framework/Geometry.h"

namespace {

ScreenRect MeasurePrimaryScreen() {
  HMONITOR monitor = ::MonitorFromWindow(::GetDesktopWindow(), MONITOR_DEFAULTTOPRIMARY);
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  mode.dmDriverExtra = 0;
  if (::GetMonitorInfoW(monitor, &info) && ::EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode) &&
      mode.dmPelsWidth != 0 && mode.dmPelsHeight != 0) {
    return {0, 0, static_cast<int32_t>(mode.dmPelsWidth), static_cast<int32_t>(mode.dmPelsHeight)};
  }
  return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

BOOL CALLBACK AddOtherMonitor(HMONITOR monitor, HDC, RECT*, LPARAM screens) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoW(monitor, &info) && (info.dwFlags & MONITORINFOF_PRIMARY) == 0) {
    reinterpret_cast<std::vector<ScreenRect>*>(screens)->push_back(ToScreenRect(info.rcMonitor));
  }
  return TRUE;
}

}  // namespace

std::vector<ScreenRect> MeasureScreens() {
  std::vector<ScreenRect> screens{MeasurePrimaryScreen()};
  ::EnumDisplayMonitors(nullptr, nullptr, &AddOtherMonitor, reinterpret_cast<LPARAM>(&screens));
  return screens;
}

namespace {

BOOL CALLBACK AddStripOfTaskbar(HWND window, LPARAM strips) {
  RECT bar{};
  if (!::IsWindowVisible(window) || !IsTaskbar(window) || !::GetWindowRect(window, &bar)) return TRUE;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoW(::MonitorFromRect(&bar, MONITOR_DEFAULTTONEAREST), &info)) return TRUE;
  const ScreenRect monitor = ToScreenRect(info.rcMonitor);
  reinterpret_cast<std::vector<ScreenRect>*>(strips)->push_back(OutermostLine(monitor, SideOf(ToScreenRect(bar), monitor)));
  return TRUE;
}

}  // namespace

std::vector<ScreenRect> MeasureTaskbarStrips() {
  std::vector<ScreenRect> strips;
  APPBARDATA bar{};
  bar.cbSize = sizeof(bar);
  // Windows hides all its taskbars, or none.
  if ((::SHAppBarMessage(ABM_GETSTATE, &bar) & ABS_AUTOHIDE) == 0) return strips;
  ::EnumWindows(&AddStripOfTaskbar, reinterpret_cast<LPARAM>(&strips));
  return strips;
}
