#include <gtest/gtest.h>

#include <limits>

#include "core/BrightnessLevel.h"
#include "core/CornerWheel.h"
#include "tests/native/DesktopQuestions.h"

namespace {

// A wheel whose bottom-left corner steps the volume at `interval`.
class VolumeCorner {
 public:
  explicit VolumeCorner(int32_t interval) {
    CornerSnapshot snapshot{ComputeCornerZones(1920, 1080), Settings{}};
    snapshot.settings.volumeInterval = interval;
    m_wheel.Take(snapshot);
  }
  // A turn at `now`: true when it makes a step, which then ends at `now`.
  bool Turn(uint64_t now) {
    const MouseEvent event{kVerticalWheelMessage, 0, 1079, 120U << 16U};
    DesktopQuestions machine;
    machine.now = now;
    const WheelStep step = machine.Ask(m_wheel, event);
    if (step.kind != WheelStep::Kind::Volume) return false;
    m_wheel.VolumeStepEnded(now);
    return true;
  }

 private:
  CornerWheel m_wheel;
};

TEST(VolumeClock, FirstEventOnlyStartsTheClock) {
  VolumeCorner corner(100);
  EXPECT_FALSE(corner.Turn(5000));
  EXPECT_FALSE(corner.Turn(5099));
  EXPECT_TRUE(corner.Turn(5100));
  EXPECT_FALSE(corner.Turn(5150));  // 50 ms after a step: dropped, not saved up
  EXPECT_TRUE(corner.Turn(5200));
}

TEST(VolumeClock, ZeroOrNegativeIntervalLetsEveryEventThrough) {
  VolumeCorner zero(0);
  EXPECT_TRUE(zero.Turn(7000));
  EXPECT_TRUE(zero.Turn(7000));
  VolumeCorner negative(-5);
  EXPECT_TRUE(negative.Turn(7001));
}

TEST(VolumeClock, ClockGoingBackwardsDoesNotWrapToAHugeElapsedTime) {
  VolumeCorner corner(100);
  corner.Turn(10000);
  EXPECT_FALSE(corner.Turn(9000));
  VolumeCorner longest(std::numeric_limits<int32_t>::max());
  longest.Turn(1000);
  EXPECT_FALSE(longest.Turn(2000));
}

TEST(BrightnessLevel, StepsByTwoWithinZeroToHundred) {
  EXPECT_EQ(BrightnessAfterSteps(50, 1), 52);
  EXPECT_EQ(BrightnessAfterSteps(50, -1), 48);
  EXPECT_EQ(BrightnessAfterSteps(99, 1), 100);
  EXPECT_EQ(BrightnessAfterSteps(100, 1), 100);
  EXPECT_EQ(BrightnessAfterSteps(1, -1), 0);
  EXPECT_EQ(BrightnessAfterSteps(0, -1), 0);
}

}  // namespace
