#include "core/CornerWheel.h"

#include <gtest/gtest.h>

#include "core/BrightnessLevel.h"
#include "core/ReportBoxes.h"

namespace {

constexpr uint32_t kWheel = 0x020A;
constexpr uint32_t kMove = 0x0200;

CornerSnapshot Snapshot(int32_t interval) {
  CornerSnapshot snapshot{ComputeCornerZones(1920, 1080), Settings{}};
  snapshot.settings.volumeInterval = interval;
  return snapshot;
}

MouseEvent Wheel(int32_t x, int32_t y, int16_t delta = 120) {
  return {kWheel, x, y, static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16U};
}

// Counts what the wheel asks of the system, so a test sees which questions it asked.
struct Questions {
  int fullScreen = 0;
  int clock = 0;
  bool isFullScreen = false;
  uint64_t now = 10'000;

  WheelStep Ask(CornerWheel& wheel, const MouseEvent& event) {
    return wheel.OnMouseEvent(
        event, [this] { return ++fullScreen, isFullScreen; }, [this] { return ++clock, now; });
  }
};

TEST(CornerWheel, EventsOutsideActingCornersAskNothing) {
  CornerWheel wheel(Snapshot(100));
  Questions asked;
  EXPECT_EQ(asked.Ask(wheel, {kMove, 0, 0, 0}).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 540)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.fullScreen + asked.clock, 0) << "no window-manager query, no clock, for the common case";

  // A brightness corner asks about full screen, but never for the time.
  const WheelStep brightness = asked.Ask(wheel, Wheel(0, 0, -1));
  EXPECT_EQ(brightness.kind, WheelStep::Kind::Brightness);
  EXPECT_FALSE(brightness.up);
  EXPECT_EQ(asked.fullScreen, 1);
  EXPECT_EQ(asked.clock, 0);
}

TEST(CornerWheel, FullScreenPausesEveryCornerOnlyWhenTheSettingsSaySo) {
  CornerSnapshot snapshot = Snapshot(0);
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.isFullScreen = true;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).kind, WheelStep::Kind::None);
  snapshot.settings.pauseInFullScreen = false;
  wheel.Take(snapshot);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::Volume);
  EXPECT_EQ(asked.fullScreen, 2) << "not asked when the setting is off";
}

TEST(CornerWheel, VolumeClockStartsAtTheFirstTurnAndSurvivesNewSnapshots) {
  CornerSnapshot snapshot = Snapshot(100);
  snapshot.settings.stepSound = true;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(asked.Ask(wheel, Wheel(1919, 1079)).kind, WheelStep::Kind::None) << "the first turn starts the clock";
  asked.now += 100;
  const WheelStep step = asked.Ask(wheel, Wheel(1919, 1079, -120));
  EXPECT_EQ(step.kind, WheelStep::Kind::Volume);
  EXPECT_FALSE(step.up);
  EXPECT_TRUE(step.sound);
  wheel.VolumeStepEnded(asked.now + 30);  // the send took 30 ms
  wheel.Take(snapshot);
  asked.now += 129;
  EXPECT_EQ(asked.Ask(wheel, Wheel(1919, 1079)).kind, WheelStep::Kind::None) << "99 ms after the step ended";
  asked.now += 1;
  EXPECT_EQ(asked.Ask(wheel, Wheel(1919, 1079)).kind, WheelStep::Kind::Volume);
}

TEST(CornerWheel, OtherCodesClaimTheCornerButStepNothing) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.topLeft = 3;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.fullScreen, 1);
}

TEST(BrightnessAfterSteps, TurnsThatArriveMeanwhileAddUpAndClamp) {
  EXPECT_EQ(BrightnessAfterSteps(50, 3), 56);
  EXPECT_EQ(BrightnessAfterSteps(50, -2), 46);
  EXPECT_EQ(BrightnessAfterSteps(98, 5), 100);
  EXPECT_EQ(BrightnessAfterSteps(3, -4), 0);
  EXPECT_EQ(BrightnessAfterSteps(0, 1'000'000'000), 100);
  EXPECT_EQ(NextBrightness(99, true), 100);
}

TEST(ReportBoxes, OneBoxAtATimeAndNoRepeatOfTheOneOnScreen) {
  ReportBoxes boxes;
  const HookReport sendFailed{2, 5};
  const HookReport other{2, 87};
  const HookReport missing{1, 0};
  EXPECT_TRUE(boxes.Arrived(sendFailed));
  EXPECT_FALSE(boxes.Arrived(sendFailed)) << "identical to the box on screen: dropped";
  EXPECT_FALSE(boxes.Arrived(other));
  EXPECT_FALSE(boxes.Arrived(missing));  // the latest waiting report wins
  EXPECT_EQ(boxes.Closed(), missing);
  EXPECT_FALSE(boxes.Arrived(missing));
  EXPECT_EQ(boxes.Closed(), std::nullopt);
  EXPECT_TRUE(boxes.Arrived(sendFailed)) << "after the box closed, the same failure may show again";
}

}  // namespace
