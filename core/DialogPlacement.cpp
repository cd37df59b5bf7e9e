#include "core/DialogPlacement.h"

namespace {

void MoveToCentre(MovableFrame& frame, const ScreenRect& workArea) {
  const ScreenRect bounds = frame.Bounds();
  const int64_t width = int64_t{bounds.right} - bounds.left;
  const int64_t height = int64_t{bounds.bottom} - bounds.top;
  frame.MoveTo(static_cast<int32_t>(workArea.left + (int64_t{workArea.right} - workArea.left - width) / 2),
               static_cast<int32_t>(workArea.top + (int64_t{workArea.bottom} - workArea.top - height) / 2));
}

}  // namespace

void CentreOnWorkArea(MovableFrame& frame, const ScreenRect& workArea) {
  MoveToCentre(frame, workArea);  // onto its monitor, where it may be rescaled
  MoveToCentre(frame, workArea);  // with the size it has there
}
