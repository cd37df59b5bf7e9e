#include "core/CornerZones.h"

CornerZones ZonesOnMonitor(const ScreenRect& monitor) {
  const int32_t width = monitor.right - monitor.left;
  const int32_t height = monitor.bottom - monitor.top;
  const auto side = static_cast<int32_t>(static_cast<double>(width) * kZoneWidthFactor);
  const auto bottom = static_cast<int32_t>(static_cast<double>(height) * kZoneHeightFactor);
  CornerZones zones;
  zones.leftMaxX = monitor.left + side;
  zones.rightMinX = monitor.left + width - side;
  zones.bottomMinY = monitor.top + bottom;
  zones.topMaxY = monitor.top + height - bottom;
  zones.monitor = monitor;
  return zones;
}

ScreenZones ComputeScreenZones(const MonitorList& list, const std::vector<ScreenRect>& taskbarStrips) {
  ScreenZones zones;
  zones.listVersion = list.version;
  for (const ScreenRect& monitor : list.monitors) {
    if (zones.count == kMostScreens) break;
    zones.screens[zones.count++] = ZonesOnMonitor(monitor);
  }
  for (const ScreenRect& strip : taskbarStrips) {
    if (zones.taskbarStripCount == kMostScreens) break;
    zones.taskbarStrips[zones.taskbarStripCount++] = strip;
  }
  return zones;
}
