#pragma once
// Which corner, if any, claims a wheel turn at a screen position, and what it does there.
#include <cstdint>

#include "core/CornerZones.h"
#include "core/Settings.h"

enum class ScreenCorner : uint8_t { TopLeft, TopRight, BottomLeft, BottomRight };

struct CornerHit {
  int32_t action = 0;  // the claiming corner's code; 0: no corner claims the turn
  ScreenCorner corner = ScreenCorner::TopLeft;
  uint8_t screen = 0;  // whose corner: an index into ScreenZones, 0 the primary monitor
};

// The corner of one monitor's zones that claims (x, y); a point off that
// monitor is never a corner. The top band is tried before the bottom band and
// the left corner before the right one; a corner whose code is 0 never claims a
// turn, any other code does and is handed on as is. A few compares.
CornerHit CornerAt(int32_t x, int32_t y, const CornerZones& zones, const Settings& settings);

// The corner that claims (x, y): on the primary monitor, or on any monitor
// when the settings ask for every screen.
CornerHit CornerAt(int32_t x, int32_t y, const ScreenZones& zones, const Settings& settings);
