#pragma once
// The corner zones of a monitor: four inclusive pixel limits, computed from the
// monitor's size by one rule, and the monitor itself, outside which no point
// is a corner.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/ScreenRect.h"

// Share of the screen width that each side zone covers, and the height factor
// whose product gives the bottom band's first row.
inline constexpr double kZoneWidthFactor = 0.078125;  // exactly 5/64
inline constexpr double kZoneHeightFactor = 0.944;

struct CornerZones {
  int32_t leftMaxX = 0;    // largest x of the left zone
  int32_t rightMinX = 0;   // smallest x of the right zone
  int32_t topMaxY = 0;     // largest y of the top band
  int32_t bottomMinY = 0;  // smallest y of the bottom band
  ScreenRect monitor;

  friend bool operator==(const CornerZones&, const CornerZones&) = default;
};

// Zones for a monitor. Each axis comes from one product, so opposite zones
// differ in size by at most one pixel.
CornerZones ZonesOnMonitor(const ScreenRect& monitor);
// Zones for a primary monitor of width x height pixels.
inline CornerZones ComputeCornerZones(int32_t width, int32_t height) { return ZonesOnMonitor({0, 0, width, height}); }

// The monitors as one owner measured them, the primary one first. Each new
// measurement has a new version, and whatever is worked out from a list (the
// zones, a brightness request, the level shown) names the version it came
// from, so a monitor's index always means the same monitor.
struct MonitorList {
  uint32_t version = 0;
  std::vector<ScreenRect> monitors;
};

// The zones of every monitor of a list, the primary one first; corners and
// edges are looked for on the primary one alone unless the settings ask for
// every screen; taskbars act on every monitor. No monitor: nothing acts.
inline constexpr size_t kMostScreens = 16;
struct ScreenZones {
  ScreenZones() = default;
  ScreenZones(const CornerZones& primary) : count(1) { screens[0] = primary; }  // NOLINT: a single screen

  std::array<CornerZones, kMostScreens> screens{};
  uint8_t count = 0;
  uint32_t listVersion = 0;  // the monitor list they were worked out from
  // Where auto-hidden taskbars come back: the outermost row or column of
  // their monitor along their edge.
  std::array<ScreenRect, kMostScreens> taskbarStrips{};
  uint8_t taskbarStripCount = 0;

  friend bool operator==(const ScreenZones&, const ScreenZones&) = default;
};

// Monitors beyond kMostScreens have no zones, nor strips beyond as many.
ScreenZones ComputeScreenZones(const MonitorList& list, const std::vector<ScreenRect>& taskbarStrips = {});
