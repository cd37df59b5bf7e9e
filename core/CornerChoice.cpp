#include "core/CornerChoice.h"

CornerHit CornerAt(int32_t x, int32_t y, const CornerZones& zones, const Settings& settings) {
  if (!zones.monitor.Contains(x, y)) return {};
  bool top = false;
  if (y <= zones.topMaxY) {
    top = true;
  } else if (y < zones.bottomMinY) {
    return {};
  }
  const int32_t left = top ? settings.topLeft : settings.bottomLeft;
  const int32_t right = top ? settings.topRight : settings.bottomRight;
  if (left != 0 && x <= zones.leftMaxX) return {left, top ? ScreenCorner::TopLeft : ScreenCorner::BottomLeft};
  if (right != 0 && x >= zones.rightMinX) return {right, top ? ScreenCorner::TopRight : ScreenCorner::BottomRight};
  return {};
}

CornerHit CornerAt(int32_t x, int32_t y, const ScreenZones& zones, const Settings& settings) {
  const uint8_t screens = settings.allScreens ? zones.count : (zones.count > 0 ? 1 : 0);
  for (uint8_t screen = 0; screen < screens; ++screen) {
    if (!zones.screens[screen].monitor.Contains(x, y)) continue;
    CornerHit hit = CornerAt(x, y, zones.screens[screen], settings);
    hit.screen = screen;
    return hit;
  }
  return {};
}
