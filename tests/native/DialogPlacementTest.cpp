#include "core/DialogPlacement.h"

#include <gtest/gtest.h>

namespace {

// A dialog made at 96 DPI on the primary monitor, which the system rescales to
// 150 % once it is on the second monitor, as it does for per-monitor dialogs.
class RescaledFrame final : public MovableFrame {
 public:
  ScreenRect Bounds() override { return m_bounds; }
  void MoveTo(int32_t left, int32_t top) override {
    const bool onSecond = left >= 1920;
    const int32_t width = onSecond ? 750 : 500;
    const int32_t height = onSecond ? 375 : 250;
    m_bounds = {left, top, left + width, top + height};
  }

 private:
  ScreenRect m_bounds{0, 0, 500, 250};
};

TEST(DialogPlacement, CentredWithTheSizeItHasOnItsOwnMonitor) {
  const ScreenRect secondWorkArea{1920, 0, 3840, 1040};
  RescaledFrame frame;
  CentreOnWorkArea(frame, secondWorkArea);
  const ScreenRect placed = frame.Bounds();
  EXPECT_EQ(placed.right - placed.left, 750);
  EXPECT_EQ(placed.left, 1920 + (1920 - 750) / 2);
  EXPECT_EQ(placed.top, (1040 - 375) / 2);

  RescaledFrame primary;
  CentreOnWorkArea(primary, {0, 0, 1920, 1040});
  EXPECT_EQ(primary.Bounds(), (ScreenRect{710, 395, 1210, 645}));
  CentreOnWorkArea(primary, {0, 40, 1920, 1080});  // the taskbar at the top
  EXPECT_EQ(primary.Bounds(), (ScreenRect{710, 435, 1210, 685}));
}

}  // namespace
