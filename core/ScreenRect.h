#pragma once
// A rectangle of the virtual screen in physical pixels: right and bottom are
// the first column and row past it, as Windows gives a monitor's rectangle.
#include <cstdint>

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  bool Contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};
