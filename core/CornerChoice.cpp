#include "core/CornerChoice.h"

int32_t CornerActionAt(int32_t x, int32_t y, const CornerZones& zones, const Settings& settings) {
  int32_t left = 0;
  int32_t right = 0;
  if (y <= zones.topMaxY) {
    left = settings.topLeft;
    right = settings.topRight;
  } else if (y >= zones.bottomMinY) {
    left = settings.bottomLeft;
    right = settings.bottomRight;
  } else {
    return 0;
  }
  if (left != 0 && x <= zones.leftMaxX) return left;
  if (right != 0 && x >= zones.rightMinX) return right;
  return 0;
}

int32_t ActionForMouseMessage(uint32_t message, int32_t x, int32_t y, const CornerZones& zones,
                              const Settings& settings) {
  if (message != kVerticalWheelMessage) return 0;
  return CornerActionAt(x, y, zones, settings);
}

bool CoversMonitorExactly(const ScreenRect& window, const ScreenRect& monitor) {
  return window.left == monitor.left && window.right == monitor.right && window.top == monitor.top &&
         window.bottom == monitor.bottom;
}

bool WheelTurnedUp(uint32_t mouseData) {
  const auto delta = static_cast<int16_t>(static_cast<uint16_t>(mouseData >> 16U));
  return delta > 0;
}
