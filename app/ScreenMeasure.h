#pragma once
#include <cstdint>

struct ScreenSize {
  int32_t width;
  int32_t height;
};

// The primary monitor's current display mode in physical pixels; the primary
// screen's metrics when the monitor or its mode cannot be read.
ScreenSize MeasurePrimaryScreen();
