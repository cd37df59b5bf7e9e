#include "core/ZoneChoice.h"

namespace {

bool OnAnyMonitor(int32_t x, int32_t y, const ScreenZones& zones) { return ScreenAt(x, y, zones) >= 0; }

// The monitors whose zones count: the primary one, or every one.
uint8_t ScreensThatCount(const ScreenZones& zones, const Settings& settings) {
  if (settings.allScreens) return zones.count;
  return zones.count > 0 ? 1 : 0;
}

}  // namespace

ZoneHit CornerAt(int32_t x, int32_t y, const CornerZones& zones, const Settings& settings) {
  if (!zones.monitor.Contains(x, y)) return {};
  bool top = false;
  if (y <= zones.topMaxY) {
    top = true;
  } else if (y < zones.bottomMinY) {
    return {};
  }
  const int32_t left = top ? settings.topLeft : settings.bottomLeft;
  const int32_t right = top ? settings.topRight : settings.bottomRight;
  if (left != 0 && x <= zones.leftMaxX) {
    return {left, ZoneKind::Corner, top ? ScreenCorner::TopLeft : ScreenCorner::BottomLeft};
  }
  if (right != 0 && x >= zones.rightMinX) {
    return {right, ZoneKind::Corner, top ? ScreenCorner::TopRight : ScreenCorner::BottomRight};
  }
  return {};
}

ZoneHit CornerAt(int32_t x, int32_t y, const ScreenZones& zones, const Settings& settings) {
  const uint8_t screens = ScreensThatCount(zones, settings);
  for (uint8_t screen = 0; screen < screens; ++screen) {
    if (!zones.screens[screen].monitor.Contains(x, y)) continue;
    ZoneHit hit = CornerAt(x, y, zones.screens[screen], settings);
    hit.screen = screen;
    return hit;
  }
  return {};
}

ZoneHit EdgeAt(int32_t x, int32_t y, const ScreenZones& zones, const Settings& settings) {
  const uint8_t screens = ScreensThatCount(zones, settings);
  for (uint8_t screen = 0; screen < screens; ++screen) {
    const ScreenRect& monitor = zones.screens[screen].monitor;
    if (!monitor.Contains(x, y)) continue;
    const struct {
      ScreenEdge edge;
      int32_t action;
      bool on;
      int32_t beyondX;
      int32_t beyondY;
    } sides[] = {
        {ScreenEdge::Top, settings.topEdge, y == monitor.top, x, y - 1},
        {ScreenEdge::Bottom, settings.bottomEdge, y == monitor.bottom - 1, x, y + 1},
        {ScreenEdge::Left, settings.leftEdge, x == monitor.left, x - 1, y},
        {ScreenEdge::Right, settings.rightEdge, x == monitor.right - 1, x + 1, y},
    };
    for (const auto& side : sides) {
      if (side.action == 0 || !side.on || OnAnyMonitor(side.beyondX, side.beyondY, zones)) continue;
      return {side.action, ZoneKind::Edge, NearestCorner(x, y, monitor), side.edge, screen};
    }
    return {};
  }
  return {};
}

int ScreenAt(int32_t x, int32_t y, const ScreenZones& zones) {
  for (uint8_t screen = 0; screen < zones.count; ++screen) {
    if (zones.screens[screen].monitor.Contains(x, y)) return screen;
  }
  return -1;
}

bool OnTaskbarStrip(int32_t x, int32_t y, const ScreenZones& zones) {
  for (uint8_t strip = 0; strip < zones.taskbarStripCount; ++strip) {
    if (zones.taskbarStrips[strip].Contains(x, y)) return true;
  }
  return false;
}

ScreenCorner NearestCorner(int32_t x, int32_t y, const ScreenRect& monitor) {
  // Twice the distance from the left and top against the width and height: no rounding.
  const bool left = int64_t{x - monitor.left} * 2 < int64_t{monitor.right} - monitor.left;
  const bool top = int64_t{y - monitor.top} * 2 < int64_t{monitor.bottom} - monitor.top;
  if (top) return left ? ScreenCorner::TopLeft : ScreenCorner::TopRight;
  return left ? ScreenCorner::BottomLeft : ScreenCorner::BottomRight;
}

ScreenRect OutermostLine(const ScreenRect& monitor, ScreenEdge edge) {
  switch (edge) {
    case ScreenEdge::Top:
      return {monitor.left, monitor.top, monitor.right, monitor.top + 1};
    case ScreenEdge::Bottom:
      return {monitor.left, monitor.bottom - 1, monitor.right, monitor.bottom};
    case ScreenEdge::Left:
      return {monitor.left, monitor.top, monitor.left + 1, monitor.bottom};
    case ScreenEdge::Right:
      break;
  }
  return {monitor.right - 1, monitor.top, monitor.right, monitor.bottom};
}

ScreenEdge SideOf(const ScreenRect& bar, const ScreenRect& monitor) {
  const int64_t width = int64_t{bar.right} - bar.left;
  const int64_t height = int64_t{bar.bottom} - bar.top;
  if (width >= height) {
    return int64_t{bar.top} + bar.bottom < int64_t{monitor.top} + monitor.bottom ? ScreenEdge::Top : ScreenEdge::Bottom;
  }
  return int64_t{bar.left} + bar.right < int64_t{monitor.left} + monitor.right ? ScreenEdge::Left : ScreenEdge::Right;
}
