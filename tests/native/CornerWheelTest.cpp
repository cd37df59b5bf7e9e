#include "core/CornerWheel.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/SettingsTable.h"
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

// A program in IgnorePrograms in front stops every corner; one in
// ActInFullScreen is not paused by its full-screen window. The name is read
// once for each window in front, only for an event in an acting corner, and
// only when a rule needs it.
TEST(CornerWheel, ProgramRulesAskTheNameOncePerWindowInFrontAndOnlyWhenNeeded) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.ignorePrograms = L"game.exe";
  snapshot.settings.actInFullScreen = L"vlc.exe, player";
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
  bringToFront({2, 200}, L"Game.exe", false);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None) << "the game is in front";
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.names, 2);
  bringToFront({3, 300}, L"editor.exe", true);
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None) << "any other full screen pauses";

  // Edited lists judge the window already in front again.
  snapshot.settings.ignorePrograms = L"editor";
  wheel.Take(snapshot);
  asked.isFullScreen = false;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None) << "the editor is ignored now";

  // No rule needs a name: none is read.
  Questions quiet;
  CornerSnapshot noRules = Snapshot(0);
  CornerWheel plain(noRules);
  quiet.isFullScreen = true;
  quiet.Ask(plain, Wheel(0, 1079));
  noRules.settings.actInFullScreen = L"player.exe";
  plain.Take(noRules);
  quiet.isFullScreen = false;
  quiet.Ask(plain, Wheel(0, 1079));
  EXPECT_EQ(quiet.names, 0) << "ActInFullScreen alone needs a name only under a full-screen window";
  noRules.settings.pauseInFullScreen = false;
  noRules.settings.ignorePrograms = L"game.exe";
  plain.Take(noRules);
  quiet.program = L"player.exe";
  quiet.isFullScreen = true;
  EXPECT_EQ(quiet.Ask(plain, Wheel(0, 1079)).kind, WheelStep::Kind::Volume)
      << "with the pause off, IgnorePrograms set leaves full screen unpaused";
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
  asked.isFullScreen = false;

  // A kept press whose release was lost keeps nothing from the next press passed on.
  EXPECT_TRUE(press(0, 1079).swallow);
  EXPECT_FALSE(press(960, 540).swallow);
  EXPECT_FALSE(release(960, 540).swallow) << "the release of the press passed on";

  // A kept press answered late has gone on already: its release goes on too.
  EXPECT_TRUE(press(0, 1079).swallow);
  wheel.KeptPressAnswered(0xFFFF'FFF0U, 0xFFFF'FFF0U + kKeptPressLateMs - 1);
  EXPECT_TRUE(release(0, 1079).swallow) << "answered in time";
  EXPECT_TRUE(press(0, 1079).swallow);
  wheel.KeptPressAnswered(0xFFFF'FFF0U, 0xFFFF'FFF0U + kKeptPressLateMs);  // across the wrap
  EXPECT_FALSE(release(0, 1079).swallow) << "answered late";
}

// Without corners on every monitor a brightness turn steps the panel wherever
// it is; a fraction that makes a volume step asks the clock once.
TEST(CornerWheel, PanelTargetByDefaultAndOneClockReadPerFraction) {
  CornerWheel wheel(Snapshot(0));
  Questions asked;
  const WheelStep brightness = asked.Ask(wheel, Wheel(1919, 0));
  ASSERT_EQ(brightness.kind, WheelStep::Kind::Brightness);
  EXPECT_EQ(brightness.brightness.target, kPanelAnywhere);
  EXPECT_EQ(brightness.brightness.corner, ScreenCorner::TopRight);
  asked.Ask(wheel, Wheel(0, 1079, 60));
  asked.clock = 0;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079, 60)).kind, WheelStep::Kind::Volume);
  EXPECT_EQ(asked.clock, 1);
}

// Over a taskbar and on an edge the wheel acts as in a corner; a corner with an
// action keeps it there. The window under the pointer is asked for only for a
// wheel turn, and only when the taskbar has an action. A turn the taskbar
// claims goes to no window (the taskbar would step the volume too); corners
// and edges pass theirs on.
TEST(CornerWheel, TaskbarsAndEdgesActAndCornersComeFirst) {
  CornerSnapshot snapshot{ComputeScreenZones({3, {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}}), Settings{}};
  snapshot.settings.volumeInterval = 0;
  snapshot.settings.bottomLeft = 2;  // brightness in the bottom-left corner
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.Ask(wheel, Wheel(960, 1060));
  asked.Ask(wheel, Wheel(960, 0));
  EXPECT_EQ(asked.taskbars, 0) << "none acts by default, and nothing is asked";

  snapshot.settings.taskbar = 1;
  snapshot.settings.topEdge = 2;
  wheel.Take(snapshot);
  const WheelStep over = asked.Ask(wheel, Wheel(960, 1060));
  EXPECT_EQ(over.kind, WheelStep::Kind::Volume) << "over the taskbar";
  EXPECT_TRUE(over.swallow);
  EXPECT_TRUE(asked.Ask(wheel, Wheel(960, 1060, 30)).swallow) << "a fraction too";
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 540)).kind, WheelStep::Kind::None);
  const WheelStep corner = asked.Ask(wheel, Wheel(0, 1079));
  EXPECT_EQ(corner.kind, WheelStep::Kind::Brightness) << "the corner keeps its action";
  EXPECT_FALSE(corner.swallow);
  const WheelStep top = asked.Ask(wheel, Wheel(960, 0));
  EXPECT_EQ(top.kind, WheelStep::Kind::Brightness) << "on the top edge";
  EXPECT_FALSE(top.swallow);
  EXPECT_EQ(top.brightness.target, kPanelAnywhere) << "an edge of the primary steps as its corners do";
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 1)).kind, WheelStep::Kind::None) << "one pixel in";
  const int taskbarsAsked = asked.taskbars;
  asked.Ask(wheel, {kMove, 960, 1060, 0});
  EXPECT_EQ(asked.taskbars, taskbarsAsked) << "a move never asks";

  // A taskbar on the second monitor steps that monitor's brightness, whatever AllScreens says.
  snapshot.settings.taskbar = 2;
  wheel.Take(snapshot);
  asked.taskbar = {-1280, 984, 0, 1024};
  const WheelStep second = asked.Ask(wheel, Wheel(-640, 1000, -120));
  ASSERT_EQ(second.kind, WheelStep::Kind::Brightness);
  EXPECT_EQ(second.brightness.target, 2);
  EXPECT_EQ(second.brightness.corner, ScreenCorner::BottomRight);

  // The corner set to none leaves the taskbar and the edge acting there.
  snapshot.settings.bottomLeft = 0;
  snapshot.settings.leftEdge = 1;
  snapshot.settings.taskbar = 0;
  wheel.Take(snapshot);
  asked.taskbar = {0, 1040, 1920, 1080};
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::Volume) << "the left edge in a none corner";
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 540)).kind, WheelStep::Kind::None) << "the second monitor adjoins there";
}

// Fractions add up per zone: another zone, or leaving the taskbar's monitor, starts anew.
TEST(CornerWheel, FractionsAddUpPerZone) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.taskbar = 1;
  snapshot.settings.topEdge = 1;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(StepsMade(wheel, asked, 600, 1060, {60}), 0);
  EXPECT_EQ(StepsMade(wheel, asked, 1300, 1060, {60}), 1) << "one taskbar, however long";
  EXPECT_EQ(StepsMade(wheel, asked, 960, 1060, {60}), 0);
  EXPECT_EQ(StepsMade(wheel, asked, 960, 0, {60}), 0) << "the top edge is another zone";
  asked.Ask(wheel, {kMove, 960, 1, 0});
  EXPECT_EQ(StepsMade(wheel, asked, 960, 0, {60}), 0) << "leaving the edge forgot the sum";
  EXPECT_EQ(StepsMade(wheel, asked, 960, 0, {60}), 1);
}

// While exactly the held key's modifiers are held, a wheel turn acts anywhere,
// before every zone, and no window sees it; other modifiers let it pass. The
// modifiers are read only for a wheel turn. IgnorePrograms stops it, full
// screen does not. Every held key, Ctrl and Shift too, asks for one mask per hold.
TEST(CornerWheel, AHeldKeyActsAnywhereAndKeepsItsTurns) {
  CornerSnapshot snapshot{ComputeScreenZones({3, {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}}), Settings{}};
  snapshot.settings.volumeInterval = 0;
  snapshot.settings.keyWheelModifiers = kCtrl;
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.Ask(wheel, {kMove, 960, 540, 0});
  EXPECT_EQ(asked.modifierReads, 0) << "a move reads no key";
  asked.held = kCtrl;
  const WheelStep middle = asked.Ask(wheel, Wheel(960, 540));
  EXPECT_EQ(middle.kind, WheelStep::Kind::Volume);
  EXPECT_TRUE(middle.swallow) << "no window scrolls or zooms";
  EXPECT_TRUE(middle.maskModifier) << "a lone Ctrl's release may show the pointer";
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).kind, WheelStep::Kind::Volume) << "before the brightness corner";
  EXPECT_TRUE(asked.Ask(wheel, Wheel(960, 540, 30)).swallow) << "a fraction too";
  asked.held = kCtrl | kShift;
  const WheelStep more = asked.Ask(wheel, Wheel(960, 540));
  EXPECT_EQ(more.kind, WheelStep::Kind::None);
  EXPECT_FALSE(more.swallow) << "with another modifier the wheel passes";
  asked.held = 0;
  EXPECT_FALSE(asked.Ask(wheel, Wheel(960, 540)).swallow);

  asked.held = kCtrl;
  asked.isFullScreen = true;
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 540)).kind, WheelStep::Kind::Volume) << "full screen pauses it not";
  snapshot.settings.ignorePrograms = L"player.exe";
  snapshot.settings.keyWheelModifiers = kAlt;
  snapshot.settings.keyWheelAction = 2;
  wheel.Take(snapshot);
  asked.held = kAlt;
  EXPECT_FALSE(asked.Ask(wheel, Wheel(960, 540)).swallow) << "the player in front stops it";
  asked.program = L"notepad.exe";
  asked.front = {9, 900};
  const WheelStep second = asked.Ask(wheel, Wheel(-640, 900, -120));
  ASSERT_EQ(second.kind, WheelStep::Kind::Brightness);
  EXPECT_EQ(second.brightness.target, 2) << "the monitor under the pointer";
  EXPECT_EQ(second.brightness.corner, ScreenCorner::BottomRight);
  EXPECT_TRUE(second.maskModifier) << "the first turn of a hold of Alt";
  EXPECT_FALSE(asked.Ask(wheel, Wheel(-640, 900)).maskModifier) << "once per hold";
  wheel.KeyReleased(0x12);  // Alt let go
  EXPECT_TRUE(asked.Ask(wheel, Wheel(-640, 900)).maskModifier) << "a new hold";
  asked.held = 0;
  asked.Ask(wheel, Wheel(960, 540));  // a turn without Alt ends the hold too
  asked.held = kAlt;
  EXPECT_TRUE(asked.Ask(wheel, Wheel(960, 540)).maskModifier);
}

// Fractions of a notch belong to the zone they were added in: moving along an
// edge keeps them, a taskbar's end at its monitor's border.
TEST(CornerWheel, FractionsStayWithTheirZone) {
  CornerSnapshot snapshot{ComputeScreenZones({3, {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}}), Settings{}};
  snapshot.settings.volumeInterval = 0;
  snapshot.settings.topEdge = 1;
  snapshot.settings.taskbar = 1;
  snapshot.settings.allScreens = true;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(StepsMade(wheel, asked, 960, 0, {60}), 0);
  asked.Ask(wheel, {kMove, 700, 0, 0});
  EXPECT_EQ(StepsMade(wheel, asked, 700, 0, {60}), 1) << "a move along the edge forgot the sum";

  asked.taskbar = {-1280, 984, 1920, 1080};  // one stand-in under both monitors' bottoms
  EXPECT_EQ(StepsMade(wheel, asked, 960, 1060, {60}), 0);
  asked.Ask(wheel, {kMove, -640, 1000, 0});
  EXPECT_EQ(StepsMade(wheel, asked, -640, 1000, {60}), 0) << "the sum crossed to the other monitor's taskbar";
}

// Whatever a held key names is masked once per hold, Win too; a hold's action
// 0 (or anything but brightness) steps the volume: turns kept from the windows
// always do something.
TEST(CornerWheel, EveryHoldIsMaskedAndTheFileNeverMakesAHoldDoNothing) {
  CornerSnapshot snapshot{ComputeCornerZones(1920, 1080), Settings{}};
  snapshot.settings.volumeInterval = 0;
  snapshot.settings.keyWheelModifiers = kWin;
  snapshot.settings.keyWheelAction = 0;
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.held = kWin;
  const WheelStep step = asked.Ask(wheel, Wheel(960, 540));
  EXPECT_TRUE(step.maskModifier);
  EXPECT_EQ(step.kind, WheelStep::Kind::None) << "a code the wheel does not know steps nothing here";
  EXPECT_EQ(SettingsFromText(L"[Brimlet]\nKeyWheelAction = 0\n", false).keyWheelAction, 1)
      << "but the file never holds one";
  EXPECT_EQ(SettingsFromText(L"[Brimlet]\nKeyWheelAction = 2\n", false).keyWheelAction, 2);
  EXPECT_EQ(SettingsFromText(L"[Brimlet]\nKeyWheelAction = 9\n", false).keyWheelAction, 1);
}

// With IgnorePrograms set and the pause off, a full-screen program that no
// list names does not stop the zones.
TEST(CornerWheel, TheProgramListsAloneDoNotPause) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.pauseInFullScreen = false;
  snapshot.settings.ignorePrograms = L"other.exe";
  CornerWheel wheel(snapshot);
  Questions asked;
  asked.isFullScreen = true;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::Volume);
  asked.program = L"other.exe";
  asked.front = {2, 200};
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).kind, WheelStep::Kind::None) << "the named one stops them";
}

TEST(CornerWheel, StepSizesReachTheSteps) {
  CornerSnapshot snapshot = Snapshot(0);
  snapshot.settings.volumeStep = 6;
  snapshot.settings.brightnessStep = 5;
  CornerWheel wheel(snapshot);
  Questions asked;
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 1079)).presses, 3) << "a press per 2 %";
  EXPECT_EQ(asked.Ask(wheel, Wheel(0, 0)).brightness.stepPercent, 5);
}

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

TEST(WheelDelta, SignedHighWord) {
  EXPECT_EQ(WheelDelta(120U << 16U), 120);
  EXPECT_EQ(WheelDelta((1U << 16U) | 0xFFFFU), 1);
  EXPECT_EQ(WheelDelta(0), 0);
  EXPECT_EQ(WheelDelta(0xFF88U << 16U), -120);
  EXPECT_EQ(WheelDelta(0x8000U << 16U), -32768);
  EXPECT_EQ(WheelDelta(0x7FFFU << 16U), 32767);
}

}  // namespace
