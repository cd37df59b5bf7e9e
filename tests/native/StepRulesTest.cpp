#include <gtest/gtest.h>

#include <limits>

#include "core/BrightnessLevel.h"
#include "core/VolumeClock.h"

namespace {

// Runs the clock as the volume step does and says whether a step would be sent.
bool VolumeEvent(uint64_t& last, uint64_t now, int32_t interval) {
  StartVolumeClock(last, now);
  if (!VolumeIntervalElapsed(last, now, interval)) return false;
  last = now;
  return true;
}

TEST(VolumeClock, FirstEventOnlyStartsTheClock) {
  uint64_t last = 0;
  EXPECT_FALSE(VolumeEvent(last, 5000, 100));
  EXPECT_EQ(last, 5000U);
  EXPECT_FALSE(VolumeEvent(last, 5099, 100));
  EXPECT_TRUE(VolumeEvent(last, 5100, 100));
  EXPECT_FALSE(VolumeEvent(last, 5150, 100));  // 50 ms after a step: dropped, not saved up
  EXPECT_EQ(last, 5100U);
  EXPECT_TRUE(VolumeEvent(last, 5200, 100));
}

TEST(VolumeClock, ZeroOrNegativeIntervalLetsEveryEventThrough) {
  uint64_t last = 0;
  EXPECT_TRUE(VolumeEvent(last, 7000, 0));
  EXPECT_TRUE(VolumeEvent(last, 7000, 0));
  EXPECT_TRUE(VolumeEvent(last, 7001, -5));
}

TEST(VolumeClock, ClockGoingBackwardsDoesNotWrapToAHugeElapsedTime) {
  EXPECT_FALSE(VolumeIntervalElapsed(10000, 9000, 100));
  EXPECT_TRUE(VolumeIntervalElapsed(10000, 9000, -2000));
  EXPECT_FALSE(VolumeIntervalElapsed(1000, 2000, std::numeric_limits<int32_t>::max()));
}

TEST(BrightnessLevel, ValidAnswerIsUsedAndRemembered) {
  int32_t lastGood = 100;
  EXPECT_EQ(CurrentBrightness(true, 40, lastGood), 40);
  EXPECT_EQ(lastGood, 40);
  EXPECT_EQ(CurrentBrightness(true, 0, lastGood), 0);
  EXPECT_EQ(CurrentBrightness(true, 100, lastGood), 100);
}

TEST(BrightnessLevel, FailedOrOutOfRangeAnswerFallsBackToTheLastGoodLevel) {
  int32_t lastGood = 60;
  EXPECT_EQ(CurrentBrightness(true, 150, lastGood), 60);
  EXPECT_EQ(CurrentBrightness(true, 101, lastGood), 60);
  EXPECT_EQ(CurrentBrightness(false, 30, lastGood), 60);
  EXPECT_EQ(lastGood, 60);
}

TEST(BrightnessLevel, StepsByTwoWithinZeroToHundred) {
  EXPECT_EQ(NextBrightness(50, true), 52);
  EXPECT_EQ(NextBrightness(50, false), 48);
  EXPECT_EQ(NextBrightness(99, true), 100);
  EXPECT_EQ(NextBrightness(100, true), 100);
  EXPECT_EQ(NextBrightness(1, false), 0);
  EXPECT_EQ(NextBrightness(0, false), 0);
}

TEST(BrightnessLevel, RepeatedFailedQueriesStepFromTheSameLevel) {
  int32_t lastGood = kInitialBrightness;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(NextBrightness(CurrentBrightness(false, 0, lastGood), false), 98);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(NextBrightness(CurrentBrightness(false, 0, lastGood), true), 100);
}

}  // namespace
