#include "core/SettingsRules.h"

#include <gtest/gtest.h>

#include "core/KeyNames.h"

namespace {

TEST(SnapInterval, RoundsDownToAMultipleOfFive) {
  EXPECT_EQ(SnapInterval(537), 535);
  EXPECT_EQ(SnapInterval(535), 535);
  EXPECT_EQ(SnapInterval(539), 535);
  EXPECT_EQ(SnapInterval(10), 10);
  EXPECT_EQ(SnapInterval(1000), 1000);
  EXPECT_EQ(SnapInterval(14), 10);
}

TEST(SnapInterval, KeyboardStepsFromAMultipleOfFive) {
  // One step right (line size 1) is rounded back; one step left reaches the next lower multiple.
  EXPECT_EQ(SnapInterval(100 + 1), 100);
  EXPECT_EQ(SnapInterval(100 - 1), 95);
}

TEST(DecideOk, NothingChangedWritesNothing) {
  EXPECT_EQ(DecideOk(false, Settings{}), OkOutcome::KeepEverything);
  Settings none;
  none.topLeft = none.bottomLeft = none.topRight = none.bottomRight = 0;
  EXPECT_EQ(DecideOk(false, none), OkOutcome::KeepEverything);
}

TEST(DecideOk, AllCornersNoneIsRefusedAndAnyOneCornerSaves) {
  Settings none;
  none.topLeft = none.bottomLeft = none.topRight = none.bottomRight = 0;
  EXPECT_EQ(DecideOk(true, none), OkOutcome::RefuseNoCornerAction);
  for (int32_t Settings::*corner : {&Settings::topLeft, &Settings::bottomLeft, &Settings::topRight, &Settings::bottomRight}) {
    Settings one = none;
    one.*corner = 1;
    EXPECT_EQ(DecideOk(true, one), OkOutcome::Save);
  }
  none.bottomRight = 3;  // a code the lists cannot show still counts as an action
  EXPECT_EQ(DecideOk(true, none), OkOutcome::Save);
  EXPECT_EQ(DecideOk(true, Settings{}), OkOutcome::Save);
  none.bottomRight = 0;
  for (int32_t Settings::*zone : {&Settings::taskbar, &Settings::leftEdge, &Settings::rightEdge, &Settings::topEdge,
                                  &Settings::bottomEdge}) {
    Settings only = none;
    only.*zone = 2;
    EXPECT_EQ(DecideOk(true, only), OkOutcome::Save) << "the taskbar or an edge alone acts";
  }
  for (std::wstring Settings::*keys : {&Settings::keyWheel, &Settings::brightnessUpKey, &Settings::brightnessDownKey}) {
    Settings only = none;
    only.*keys = L"Ctrl+Alt+Up";
    EXPECT_EQ(DecideOk(true, only), keys == &Settings::keyWheel ? OkOutcome::RefuseNoCornerAction : OkOutcome::Save)
        << "a brightness key alone acts; Ctrl+Alt+Up holds no modifiers alone";
  }
  Settings held = none;
  held.keyWheel = L"Ctrl";
  held.keyWheelModifiers = kCtrl;
  EXPECT_EQ(DecideOk(true, held), OkOutcome::Save) << "a held key alone acts";
}

}  // namespace
