#include "core/BrightnessLevel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(BrightnessLevel, StepsByTwoWithinZeroToHundred) {
  EXPECT_EQ(BrightnessAfterSteps(50, 1), 52);
  EXPECT_EQ(BrightnessAfterSteps(50, -1), 48);
  EXPECT_EQ(BrightnessAfterSteps(99, 1), 100);
  EXPECT_EQ(BrightnessAfterSteps(100, 1), 100);
  EXPECT_EQ(BrightnessAfterSteps(1, -1), 0);
  EXPECT_EQ(BrightnessAfterSteps(0, -1), 0);
}

TEST(BrightnessAfterSteps, TurnsThatArriveMeanwhileAddUpAndClamp) {
  EXPECT_EQ(BrightnessAfterSteps(50, 3), 56);
  EXPECT_EQ(BrightnessAfterSteps(50, -2), 46);
  EXPECT_EQ(BrightnessAfterSteps(98, 5), 100);
  EXPECT_EQ(BrightnessAfterSteps(3, -4), 0);
  EXPECT_EQ(BrightnessAfterSteps(0, 1'000'000'000), 100);
}

TEST(SupportedLevels, CoarseListsStepToTheNearestLevelBeyondAndNeverStick) {
  const uint8_t coarse[] = {0, 25, 50, 75, 100};
  const SupportedLevels levels(coarse, std::size(coarse));
  EXPECT_FALSE(levels.Any());
  EXPECT_EQ(levels.After(50, 1), 75);
  EXPECT_EQ(levels.After(52, -1), 50);
  EXPECT_EQ(levels.After(50, 3), 100) << "three turns, as one change";
  EXPECT_EQ(levels.After(100, 1), 100) << "stays at the end";
  EXPECT_EQ(levels.After(0, -2), 0);
  EXPECT_EQ(levels.After(74, 1), 100) << "at or beyond the 2 % step: 75 is only 1 away";
  EXPECT_EQ(levels.After(99, 1), 100) << "else the nearest beyond, never stuck";

  // A full list, or none, behaves as the plain 2 % steps.
  uint8_t all[101];
  for (uint8_t i = 0; i <= 100; ++i) all[i] = i;
  for (const SupportedLevels& plain : {SupportedLevels(all, 101), SupportedLevels(nullptr, 0)}) {
    EXPECT_TRUE(plain.Any());
    EXPECT_EQ(plain.After(50, 3), 56);
    EXPECT_EQ(plain.After(1, -1), 0);
  }
  const uint8_t outOfRange[] = {0, 200, 100};
  EXPECT_EQ(SupportedLevels(outOfRange, 3).After(0, 1), 100);
}

TEST(MonitorBrightness, StepsAreTwoPercentOfTheMonitorsRange) {
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 50, 100, 1), 52U);
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 50, 100, 3), 56U);
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 20, 50, 1), 21U) << "2 % of 50 is 1";
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 49, 50, 5), 50U);
  EXPECT_EQ(MonitorBrightnessAfterSteps(10, 11, 60, -3), 10U);
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 5, 10, -1), 4U) << "at least one unit";
  EXPECT_EQ(MonitorPercent(0, 21, 50), 42);
  EXPECT_EQ(MonitorPercent(10, 60, 60), 100);
  EXPECT_EQ(MonitorPercent(5, 5, 5), 100);
}

TEST(PanelLevel, TheSourceThePanelRunsOnIsReadAndSet) {
  EXPECT_EQ(PanelSourceLevel({kPanelOnMains, 30, 70}), 30);
  EXPECT_EQ(PanelSourceLevel({kPanelOnBattery, 30, 70}), 70);
  EXPECT_EQ(PanelSourceLevel({0, 30, 70}), 70);
  const PanelLevel mains = PanelWithSourceLevel({kPanelOnMains, 30, 70}, 32);
  EXPECT_EQ(std::vector<int>({mains.policy, mains.onMains, mains.onBattery}), (std::vector<int>{1, 32, 70}));
  const PanelLevel other = PanelWithSourceLevel({9, 30, 70}, 72);
  EXPECT_EQ(std::vector<int>({other.policy, other.onMains, other.onBattery}), (std::vector<int>{2, 30, 72}));
}

TEST(MonitorMemory, FailedMonitorWaitsACoolDownAndALevelSetCountsWhileItSettles) {
  MonitorMemory memory;
  EXPECT_TRUE(memory.Ready(1000));
  memory.Failed(1000);
  EXPECT_FALSE(memory.Ready(1000 + kMonitorCoolDownMs - 1));
  EXPECT_TRUE(memory.Ready(1000 + kMonitorCoolDownMs));
  uint32_t minimum = 0;
  uint32_t current = 0;
  uint32_t maximum = 0;
  EXPECT_FALSE(memory.Recent(2000, minimum, current, maximum)) << "nothing set yet";
  memory.Set(2000, 10, 52, 90);
  ASSERT_TRUE(memory.Recent(2000 + kMonitorSettleMs - 1, minimum, current, maximum));
  EXPECT_EQ(std::vector<uint32_t>({minimum, current, maximum}), (std::vector<uint32_t>{10, 52, 90}));
  EXPECT_FALSE(memory.Recent(2000 + kMonitorSettleMs, minimum, current, maximum)) << "settled: read it again";
  EXPECT_FALSE(memory.Recent(1999, minimum, current, maximum)) << "a clock that went back";
}

TEST(StepSizes, LevelsStepByTheSizeChosen) {
  EXPECT_EQ(BrightnessAfterSteps(50, 2, 5), 60);
  const uint8_t coarse[] = {0, 25, 50, 75, 100};
  EXPECT_EQ(SupportedLevels(coarse, 5).After(50, 1, 30), 100) << "the next level at least 30 away";
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 20, 50, 1, 10), 25U) << "10 % of a range of 50";
  EXPECT_EQ(SupportedLevels(nullptr, 0).After(50, 1, 5), 55) << "a panel without a level list";
}

}  // namespace
