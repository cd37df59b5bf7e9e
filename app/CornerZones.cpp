#include "app/CornerZones.h"

CornerZones ComputeCornerZones(int32_t width, int32_t height) {
  CornerZones zones;
  zones.leftMaxX = static_cast<int32_t>(static_cast<double>(width) * ZONE_WIDTH_FACTOR);
  zones.rightMinX = width - zones.leftMaxX;
  zones.bottomMinY = static_cast<int32_t>(static_cast<double>(height) * ZONE_HEIGHT_FACTOR);
  zones.topMaxY = height - zones.bottomMinY;
  return zones;
}
