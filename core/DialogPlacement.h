#pragma once
// Where a dialog opens: centred on the work area of its monitor. A dialog is
// made at the DPI of the monitor it is created on, and the system rescales it
// when it moves onto a monitor of another DPI: so it is moved onto its monitor
// first, and centred with the size it has there.
#include <cstdint>

#include "core/ScreenRect.h"

class MovableFrame {
 public:
  virtual ScreenRect Bounds() = 0;
  virtual void MoveTo(int32_t left, int32_t top) = 0;

 protected:
  ~MovableFrame() = default;
};

void CentreOnWorkArea(MovableFrame& frame, const ScreenRect& workArea);
