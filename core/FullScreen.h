#pragma once
// The full-screen rule: a window is full-screen when its rectangle is exactly
// its monitor's (a maximised window leaves the taskbar or reaches past the edges).
#include <cstdint>

struct ScreenRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

inline bool CoversMonitorExactly(const ScreenRect& window, const ScreenRect& monitor) {
  return window.left == monitor.left && window.right == monitor.right && window.top == monitor.top &&
         window.bottom == monitor.bottom;
}
