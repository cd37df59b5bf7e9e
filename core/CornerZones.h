#pragma once
// The four inclusive pixel limits of the screen corners, fixed at start-up.
#include <cstdint>

// Share of the screen width that each side zone covers, and the height factor
// whose product gives the bottom band's first row.
inline constexpr double kZoneWidthFactor = 0.078125;  // exactly 5/64
inline constexpr double kZoneHeightFactor = 0.944;

struct CornerZones {
  int32_t leftMaxX = 0;    // largest x of the left zone
  int32_t rightMinX = 0;   // smallest x of the right zone
  int32_t topMaxY = 0;     // largest y of the top band
  int32_t bottomMinY = 0;  // smallest y of the bottom band

  friend bool operator==(const CornerZones&, const CornerZones&) = default;
};

// Zones for a display mode of width x height pixels. Each axis comes from one
// product, so opposite zones differ in size by at most one pixel.
CornerZones ComputeCornerZones(int32_t width, int32_t height);
