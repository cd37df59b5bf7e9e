#include "core/CornerWheel.h"

#include <gtest/gtest.h>

#include "core/BrightnessLevel.h"
#include "core/HookWatch.h"
#include "core/Mailbox.h"
#include "core/ProgramRules.h"
#include "core/ReportBoxes.h"
#include "core/SettingsRules.h"
#include "tests/native/DesktopQuestions.h"

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

using Questions = DesktopQuestions;

// How many steps turns of `deltas` at x, y make.
int StepsMade(CornerWheel& wheel, Questions& asked, int32_t x, int32_t y, std::initializer_list<int16_t> deltas) {
  int made = 0;
  for (const int16_t delta : deltas) made += asked.Ask(wheel, Wheel(x, y, delta)).kind != WheelStep::Kind::None;
  return made;
}

TEST(CornerWheel, EventsOutsideActingCornersAskNothing) {
  CornerWheel wheel(Snapshot(100));
  Questions asked;
  for (const uint32_t message : {kMove, 0x0201U, 0x0202U, 0x0204U, 0x020EU}) {  // moves, buttons, horizontal wheel
    EXPECT_EQ(asked.Ask(wheel, {message, 0, 0, 120U << 16U}).kind, WheelStep::Kind::None) << message;
  }
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 540)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.fullScreen + asked.clock, 0) << "no window-manager query, no clock, for the common case";

  // A brightness corner asks about full screen, but never for the time.
  const WheelStep brightness = asked.Ask(wheel, Wheel(0, 0, -120));
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

// Smooth-scrolling wheels and touchpads send fractions of a notch.
TEST(CornerWheel, FractionsOfANotchAddUpToOneStepPerNotch) {
  CornerWheel wheel(Snapshot(0));
  Questions asked;
  const auto steps = [&](int32_t x, int32_t y, std::initializer_list<int16_t> deltas) {
    return StepsMade(wheel, asked, x, y, deltas);
  };
  EXPECT_EQ(steps(0, 1079, {30, 30, 30}), 0);
  EXPECT_EQ(steps(0, 1079, {30}), 1) << "the fourth 30 makes a notch";
  EXPECT_EQ(steps(0, 1079, {15, 15, 15, 15, 15, 15, 15, 15, 15}), 1) << "120 taken off, 15 kept";
  EXPECT_EQ(steps(0, 1079, {-100}), 0) << "the other way starts anew";
  EXPECT_EQ(steps(0, 1079, {-20}), 1);
  EXPECT_EQ(steps(0, 1079, {0, 0, 0}), 0) << "a delta of 0 makes nothing";
  EXPECT_EQ(steps(0, 1079, {240, 120}), 2) << "a notch or more: one step each, as ever";

  EXPECT_EQ(steps(0, 1079, {100}), 0);
  EXPECT_EQ(steps(1919, 1079, {100}), 0) << "another corner starts anew";
  asked.Ask(wheel, {0x0200, 960, 540, 0});  // the pointer leaves the corner
  EXPECT_EQ(steps(1919, 1079, {100}), 0);
  asked.now += kWheelFractionPauseMs + 1;
  EXPECT_EQ(steps(1919, 1079, {100}), 0) << "a pause forgets the sum";
  asked.now += kWheelFractionPauseMs;
  EXPECT_EQ(steps(1919, 1079, {20}), 1);
}

TEST(CornerWheel, IntervalAppliesToStepsNotToFractions) {
  CornerWheel wheel(Snapshot(100));
  Questions asked;
  asked.Ask(wheel, Wheel(0, 1079));  // starts the clock
  asked.now += 100;
  auto notch = [&] {
    asked.Ask(wheel, Wheel(0, 1079, 40));
    asked.Ask(wheel, Wheel(0, 1079, 40));
    return asked.Ask(wheel, Wheel(0, 1079, 40)).kind;
  };
  EXPECT_EQ(notch(), WheelStep::Kind::Volume) << "the fractions of one notch are not held up by the interval";
  wheel.VolumeStepEnded(asked.now);
  asked.now += 50;
  EXPECT_EQ(notch(), WheelStep::Kind::None) << "the next notch within the interval is dropped";
  asked.now += 50;
  EXPECT_EQ(notch(), WheelStep::Kind::Volume);
}

TEST(CornerWheel, OtherCodesClaimTheCornerButStepNothing) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.topLeft = 3;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.fullScreen, 1);
}

// What the sum of fractions keeps: the part past a whole notch, through a delta
// of 0; what ends it: leaving the corner (the top-left one too, whose place a
// turn outside every corner also names), and a whole notch.
TEST(CornerWheel, FractionSumsKeepTheirRestAndEndWhereTheySay) {
  CornerWheel wheel(Snapshot(0));
  Questions asked;
  const auto steps = [&](int32_t x, int32_t y, std::initializer_list<int16_t> deltas) {
    return StepsMade(wheel, asked, x, y, deltas);
  };
  EXPECT_EQ(steps(0, 1079, {50, 50, 50, 50, 50}), 2) << "250: two notches, the rest of each kept";
  EXPECT_EQ(steps(1919, 1079, {60, 0, 60}), 1) << "a delta of 0 ends nothing";
  EXPECT_EQ(steps(0, 0, {100}), 0);
  asked.Ask(wheel, {0x0200, 960, 540, 0});  // out of the top-left corner and back within the second
  EXPECT_EQ(steps(0, 0, {20}), 0) << "the sum ended when the pointer left";
  EXPECT_EQ(steps(0, 1079, {60, 120}), 1) << "a whole notch steps at once";
  EXPECT_EQ(steps(0, 1079, {60}), 0) << "and ends the sum it came on top of";
}

// The full-screen question names the monitor of the corner turned: the primary
// one by default, each monitor's own with corners on every monitor; and a
// brightness step names its monitor.
TEST(CornerWheel, EachCornerAsksAboutAndStepsItsOwnMonitor) {
  const MonitorList monitors{7, {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}};
  CornerSnapshot snapshot{ComputeScreenZones(monitors), Settings{}};
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.Ask(wheel, Wheel(0, 0));
  EXPECT_EQ(asked.lastMonitor, monitors.monitors[0]) << "by default only the primary monitor pauses its corners";
  EXPECT_EQ(asked.Ask(wheel, Wheel(-1280, 0)).kind, WheelStep::Kind::None) << "no corner off the primary one";

  snapshot.settings.allScreens = true;
  wheel.Take(snapshot);
  const WheelStep second = asked.Ask(wheel, Wheel(-1, 0, -120));
  EXPECT_EQ(asked.lastMonitor, monitors.monitors[1]);
  ASSERT_EQ(second.kind, WheelStep::Kind::Brightness);
  EXPECT_EQ(second.brightness.target, 2) << "the second monitor, and that one alone";
  EXPECT_EQ(second.brightness.listVersion, 7U);
  EXPECT_EQ(second.brightness.steps, -1);
  EXPECT_EQ(second.brightness.corner, ScreenCorner::TopRight);
  asked.isFullScreen = true;
  EXPECT_EQ(asked.Ask(wheel, Wheel(-1, 0)).kind, WheelStep::Kind::None);
}

TEST(BrightnessAfterSteps, TurnsThatArriveMeanwhileAddUpAndClamp) {
  EXPECT_EQ(BrightnessAfterSteps(50, 3), 56);
  EXPECT_EQ(BrightnessAfterSteps(50, -2), 46);
  EXPECT_EQ(BrightnessAfterSteps(98, 5), 100);
  EXPECT_EQ(BrightnessAfterSteps(3, -4), 0);
  EXPECT_EQ(BrightnessAfterSteps(0, 1'000'000'000), 100);
}

struct Report {
  int error;
  int code;
  friend bool operator==(const Report&, const Report&) = default;
};

TEST(ReportBoxes, OneBoxAtATimeAndNoRepeatOfTheOneOnScreen) {
  ReportBoxes<Report> boxes;
  const Report sendFailed{2, 5};
  const Report other{2, 87};
  const Report missing{1, 0};
  EXPECT_TRUE(boxes.Arrived(sendFailed));
  EXPECT_FALSE(boxes.Arrived(sendFailed)) << "identical to the box on screen: dropped";
  EXPECT_FALSE(boxes.Arrived(other));
  EXPECT_FALSE(boxes.Arrived(missing));  // the latest waiting report wins
  EXPECT_EQ(boxes.Closed(), missing);
  EXPECT_FALSE(boxes.Arrived(missing));
  EXPECT_EQ(boxes.Closed(), std::nullopt);
  EXPECT_TRUE(boxes.Arrived(sendFailed)) << "after the box closed, the same failure may show again";
}

TEST(Mailbox, KeepsTheFirstOrTheLatestValueUntilTaken) {
  struct Small {
    int16_t value;
    uint8_t kind;
  };
  Mailbox<Small> box;
  Small taken{};
  EXPECT_FALSE(box.Take(taken));
  EXPECT_TRUE(box.PutIfEmpty({0, 0})) << "a value of all zeros still counts";
  EXPECT_FALSE(box.PutIfEmpty({7, 1}));
  ASSERT_TRUE(box.Take(taken));
  EXPECT_EQ(taken.value, 0);
  EXPECT_FALSE(box.Take(taken)) << "taken once";
  box.Replace({-3, 2});
  box.Replace({-4, 9});
  ASSERT_TRUE(box.Take(taken));
  EXPECT_EQ(taken.value, -4);
  EXPECT_EQ(taken.kind, 9);
}

TEST(HookWatch, OnlyMouseInputTheHookMissedCounts) {
  const HookCheck previous{50'000, 7, 100, 200};
  EXPECT_FALSE(MouseInputMissed(previous, {60'000, 7, 100, 200}, 55'000)) << "typing: the pointer stayed";
  EXPECT_FALSE(MouseInputMissed(previous, {60'000, 9, 300, 200}, 55'000)) << "the hook saw the moves";
  EXPECT_FALSE(MouseInputMissed(previous, {60'000, 7, 300, 200}, 49'000)) << "moved without input (by a program)";
  EXPECT_TRUE(MouseInputMissed(previous, {60'000, 7, 300, 200}, 55'000));
  EXPECT_TRUE(MouseInputMissed(previous, {60'000, 7, 100, 201}, 50'001));
  // Across the wrap of the 32-bit tick.
  const HookCheck beforeWrap{0xFFFF'FF00U, 1, 0, 0};
  EXPECT_TRUE(MouseInputMissed(beforeWrap, {5'000, 1, 1, 0}, 2'000));
  EXPECT_FALSE(MouseInputMissed(beforeWrap, {5'000, 1, 1, 0}, 0xFFFF'FE00U));
}

TEST(HookWatch, RetriesBackOffToAMinute) {
  EXPECT_EQ(HookRetryDelayMs(0), 2000U);
  EXPECT_EQ(HookRetryDelayMs(1), 4000U);
  EXPECT_EQ(HookRetryDelayMs(4), 32000U);
  EXPECT_EQ(HookRetryDelayMs(5), 60000U);
  EXPECT_EQ(HookRetryDelayMs(1000), 60000U);
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


TEST(HookWatch, ChecksGrowApartWhileAReinstallBringsNoEventsBack) {
  EXPECT_EQ(NextHookCheckPeriodMs(kHookCheckPeriodMs, false, false), kHookCheckPeriodMs);
  EXPECT_EQ(NextHookCheckPeriodMs(kHookCheckPeriodMs, false, true), 20000U);
  EXPECT_EQ(NextHookCheckPeriodMs(160000, false, true), kLongestHookCheckPeriodMs);
  EXPECT_EQ(NextHookCheckPeriodMs(kLongestHookCheckPeriodMs, false, true), kLongestHookCheckPeriodMs);
  EXPECT_EQ(NextHookCheckPeriodMs(80000, false, false), 80000U) << "a quiet check keeps the period";
  EXPECT_EQ(NextHookCheckPeriodMs(kLongestHookCheckPeriodMs, true, false), kHookCheckPeriodMs);
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

TEST(ProgramRules, ListsAreFileNamesSeparatedBySemicolonsOrCommas) {
  EXPECT_EQ(ParseProgramList(L" game.exe;editor.exe , ,player.exe ;"),
            (std::vector<std::wstring>{L"game.exe", L"editor.exe", L"player.exe"}));
  EXPECT_TRUE(ParseProgramList(L"  ; , ").empty());
  const ProgramRules rules({L"GAME.EXE"}, {L"PLAYER.EXE", L"GAME.EXE"});
  EXPECT_TRUE(rules.For(L"GAME.EXE").ignored);
  EXPECT_TRUE(rules.For(L"PLAYER.EXE").actsInFullScreen);
  EXPECT_FALSE(rules.For(L"PLAYER.EXE").ignored);
  EXPECT_FALSE(rules.For(L"").ignored) << "a process that cannot be opened matches no name";
}

// A program in IgnorePrograms in front stops every corner; one in
// ActInFullScreen is not paused by its full-screen window. The name is read
// once for each window in front, and only for an event in an acting corner.
TEST(CornerWheel, ProgramRulesAskTheNameOncePerWindowInFront) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.programs = ProgramRules({L"GAME.EXE"}, {L"PLAYER.EXE"});
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.Ask(wheel, Wheel(960, 540));
  asked.Ask(wheel, {0x0200, 0, 1079, 0});
  EXPECT_EQ(asked.names, 0) << "only an event in an acting corner looks at the foreground";
  asked.isFullScreen = true;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::Volume) << "the player in full screen";
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::Volume);
  EXPECT_EQ(asked.names, 1);
  const auto bringToFront = [&asked](ForegroundWindow window, const wchar_t* program, bool fullScreen) {
    asked.front = window;
    asked.program = program;
    asked.isFullScreen = fullScreen;
  };
  bringToFront({2, 200}, L"GAME.EXE", false);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None) << "the game is in front";
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.names, 2);
  bringToFront({3, 300}, L"EDITOR.EXE", true);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None) << "any other full screen pauses";
}

// A middle press in a volume corner mutes and is kept, and so is its release
// wherever it comes; a press passed on has its release passed on.
TEST(CornerWheel, MiddleClickInAVolumeCornerMutesAndKeepsBothHalves) {
  CornerSnapshot snapshot = Snapshot(0);
  CornerWheel wheel(snapshot);
  Questions asked;
  const auto press = [&](int32_t x, int32_t y) { return asked.Ask(wheel, {kMiddleButtonDown, x, y, 0}); };
  const auto release = [&](int32_t x, int32_t y) { return asked.Ask(wheel, {kMiddleButtonUp, x, y, 0}); };
  EXPECT_FALSE(press(0, 1079).swallow) << "off unless the settings say so";
  snapshot.settings.middleClickMute = true;
  wheel.Take(snapshot);
  const WheelStep mute = press(0, 1079);
  EXPECT_EQ(mute.kind, WheelStep::Kind::Mute);
  EXPECT_TRUE(mute.swallow);
  EXPECT_TRUE(release(960, 540).swallow) << "its release, outside the corner";
  EXPECT_FALSE(release(0, 1079).swallow) << "one release per press";
  EXPECT_EQ(press(0, 0).kind, WheelStep::Kind::None) << "a brightness corner";
  EXPECT_FALSE(release(0, 1079).swallow) << "a press passed on has its release passed on";
  EXPECT_FALSE(press(960, 540).swallow);
  asked.isFullScreen = true;
  EXPECT_FALSE(press(1919, 1079).swallow) << "paused in full screen as the wheel is";
}

TEST(StepSizes, VolumeNotchesPressTheKeyPerTwoPercentAndBrightnessStepsBySize) {
  EXPECT_EQ(ParseVolumeStep(L"6"), 6);
  EXPECT_EQ(ParseVolumeStep(L"7"), 6) << "an odd value rounds down";
  for (const wchar_t* other : {L"0", L"1", L"22", L"abc", L"", L"-4"}) EXPECT_EQ(ParseVolumeStep(other), 2) << other;
  EXPECT_EQ(ParseBrightnessStep(L"5"), 5);
  for (const wchar_t* other : {L"0", L"21", L"x"}) EXPECT_EQ(ParseBrightnessStep(other), 2) << other;
  EXPECT_EQ(DialogNumber(7, 2, 20, 2), 6);
  EXPECT_EQ(DialogNumber(25, 2, 20, 2), 20);
  EXPECT_EQ(DialogNumber(0, 1, 20, 1), 1);

  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.volumeStep = 6;
  snapshot.settings.brightnessStep = 5;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).presses, 3);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).brightness.stepPercent, 5);

  EXPECT_EQ(BrightnessAfterSteps(50, 2, 5), 60);
  const uint8_t coarse[] = {0, 25, 50, 75, 100};
  EXPECT_EQ(SupportedLevels(coarse, 5).After(50, 1, 30), 100) << "the next level at least 30 away";
  EXPECT_EQ(MonitorBrightnessAfterSteps(0, 20, 50, 1, 10), 25U) << "10 % of a range of 50";
}

}  // namespace
