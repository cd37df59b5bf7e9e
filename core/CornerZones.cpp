#include "core/CornerZones.h"

CornerZones ComputeCornerZones(int32_t width, int32_t height) {
  CornerZones zones;
  zones.leftMaxX = static_cast<int32_t>(static_cast<double>(width) * kZoneWidthFactor);
  zones.rightMinX = width - zones.leftMaxX;
  zones.bottomMinY = static_cast<int32_t>(static_cast<double>(height) * kZoneHeightFactor);
  zones.topMaxY = height - zones.bottomMinY;
  return zones;
}
