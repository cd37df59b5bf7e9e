#pragma once
// Which corner's action a wheel turn at a screen position asks for.
#include <cstdint>

#include "core/CornerZones.h"
#include "core/Settings.h"

// The action code of the corner that claims (x, y), or 0. The top band is tried
// before the bottom band and the left corner before the right one; a corner
// whose code is 0 never claims a turn, any other code does and is handed on as is.
int32_t CornerActionAt(int32_t x, int32_t y, const CornerZones& zones, const Settings& settings);

// WM_MOUSEWHEEL: only the vertical wheel acts.
inline constexpr uint32_t kVerticalWheelMessage = 0x020A;

// What the mouse hook decides for one low-level mouse message: the action code
// of the corner a vertical wheel turn at (x, y) falls in, or 0 for anything
// else. Runs for every mouse event of the desktop, so it stays a few compares.
int32_t ActionForMouseMessage(uint32_t message, int32_t x, int32_t y, const CornerZones& zones,
                              const Settings& settings);

struct ScreenRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// A window is full-screen when its rectangle is exactly its monitor's.
bool CoversMonitorExactly(const ScreenRect& window, const ScreenRect& monitor);

// True when the signed wheel delta in the high word of `mouseData` is above 0.
bool WheelTurnedUp(uint32_t mouseData);
