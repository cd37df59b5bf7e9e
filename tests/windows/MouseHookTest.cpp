#include "hook/MouseHook.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "core/CornerZones.h"
#include "tests/support/Input.h"
#include "tests/windows/FakeDevices.h"

namespace {

Settings AllVolume() {
  Settings settings;
  settings.topLeft = settings.bottomLeft = settings.topRight = settings.bottomRight = 1;
  settings.pauseInFullScreen = false;
  settings.volumeInterval = 0;
  return settings;
}

// The hook with its worker and reports, built as the program builds them, over
// a fake system; events are handed to it directly unless a test starts it.
class MouseHookTest : public ::testing::Test {
 protected:
  MouseHookTest()
      : m_worker(m_fake, m_fake, m_fake), m_hook({ComputeCornerZones(1920, 1080), AllVolume()}, m_fake.devices(), m_worker) {}

  void Use(const Settings& settings, int width = 1920, int height = 1080) {
    m_hook.Publish({ComputeCornerZones(width, height), settings});
  }
  // True when the event goes on to the other programs.
  bool Turn(LONG x, LONG y, int delta = 120, WPARAM message = WM_MOUSEWHEEL) {
    MSLLHOOKSTRUCT event{};
    event.pt = {x, y};
    event.mouseData = static_cast<DWORD>(delta) << 16;
    return m_hook.Handle(message, reinterpret_cast<LPARAM>(&event));
  }
  std::vector<WORD> KeyDowns() {
    std::vector<WORD> keys;
    for (const bool up : m_fake.keys) keys.push_back(up ? VK_VOLUME_UP : VK_VOLUME_DOWN);
    return keys;
  }
  std::vector<HookReport> Reports() {
    std::vector<HookReport> reports;
    for (HookReport report; m_hook.reports().Take(report);) reports.push_back(report);
    return reports;
  }

  FakeDevices m_fake;
  BrightnessWorker m_worker;
  MouseHook m_hook;
};

TEST_F(MouseHookTest, OnlyTheVerticalWheelActs) {
  for (const WPARAM message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MOUSEHWHEEL}) {
    Turn(0, 0, 120, message);
  }
  EXPECT_TRUE(m_fake.calls.empty());
  Turn(0, 0);
  EXPECT_EQ(KeyDowns(), std::vector<WORD>{VK_VOLUME_UP});
}

TEST_F(MouseHookTest, PositionsOffThePrimaryMonitorAreNoCorner) {
  Turn(-1920, -5);
  Turn(-1, 1200, -120);
  Turn(1920, 0);
  EXPECT_TRUE(KeyDowns().empty());
}

TEST_F(MouseHookTest, CornerActionCodeIsHandedOn) {
  Settings settings = AllVolume();
  settings.topLeft = 2;
  settings.bottomRight = 3;
  Use(settings);
  Turn(0, 0);
  Turn(1919, 1079);
  // Top-left: one brightness step on the worker; bottom-right: code 3 does nothing.
  ASSERT_TRUE(m_fake.WaitFor("write", 1));
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), std::vector<uint8_t>{52});
  EXPECT_TRUE(KeyDowns().empty());
}

TEST_F(MouseHookTest, IntervalRunsFromTheEndOfTheLastStepAndSurvivesNewSettings) {
  Settings settings = AllVolume();
  settings.volumeInterval = 100;
  Use(settings);
  m_fake.tickPerSend = 30;  // the send itself takes 30 ms
  Turn(0, 1079);  // first event: only starts the clock
  EXPECT_TRUE(m_fake.keys.empty());
  m_fake.now += 100;
  Turn(0, 1079);  // sent; the step ends 30 ms later
  EXPECT_EQ(KeyDowns().size(), 1U);
  m_fake.now += 50;
  Turn(0, 1079);  // 50 ms after the step: dropped, not saved up
  Use(settings);  // new settings keep the clock
  m_fake.now += 49;
  Turn(0, 1079);  // 99 ms after the end of the step: still dropped
  EXPECT_EQ(KeyDowns().size(), 1U);
  m_fake.now += 1;
  Turn(0, 1079, -120);
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_DOWN}));
}

TEST_F(MouseHookTest, SoundFollowsEveryStepThatWasNotDropped) {
  Settings settings = AllVolume();
  settings.volumeInterval = 100;
  settings.stepSound = true;
  Use(settings);
  Turn(0, 1079);  // dropped: no sound
  EXPECT_EQ(m_fake.sounds, 0);
  m_fake.now += 100;
  Turn(0, 1079);
  ASSERT_TRUE(m_fake.WaitFor("sound", 1));
  EXPECT_EQ(m_fake.calls, (std::vector<std::string>{"key", "sound"}));
  EXPECT_NE(m_fake.soundThread, ::GetCurrentThreadId()) << "started off the hook's thread: it may take its time";
}

TEST_F(MouseHookTest, FailuresAreLeftForTheTrayWithoutABoxAndASendStillCounts) {
  Settings settings = AllVolume();
  settings.stepSound = true;
  settings.volumeInterval = 1000;
  Use(settings);
  m_fake.sendWorks = false;
  m_fake.sendError = ERROR_ACCESS_DENIED;
  m_fake.tickPerSend = 10;
  Turn(0, 0);  // starts the clock
  m_fake.now += 1000;
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitFor("sound", 1));
  EXPECT_EQ(m_fake.calls, (std::vector<std::string>{"key", "sound"}));
  EXPECT_EQ(Reports(), (std::vector<HookReport>{{HookError::SendInputFailed, ERROR_ACCESS_DENIED}}));
  m_fake.now += 995;
  Turn(0, 0);  // the clock restarted at the end of the failed send
  EXPECT_EQ(m_fake.keys.size(), 1U);

  m_hook.Handle(WM_MOUSEWHEEL, 0);
  m_hook.Handle(WM_MOUSEMOVE, 0);
  // One report waits until the tray takes it; more of them are not piled up.
  EXPECT_EQ(Reports(), (std::vector<HookReport>{{HookError::MissingEventRecord, 0}}));
  EXPECT_TRUE(Reports().empty());
}

TEST_F(MouseHookTest, MiddleClickThatMutesIsKeptAndANotchPressesOncePerTwoPercent) {
  Settings settings = AllVolume();
  settings.middleClickMute = true;
  settings.volumeStep = 6;
  Use(settings);
  EXPECT_FALSE(Turn(0, 1079, 0, WM_MBUTTONDOWN)) << "kept from the other programs";
  EXPECT_FALSE(Turn(960, 540, 0, WM_MBUTTONUP));
  EXPECT_EQ(m_fake.mutes, 1);
  EXPECT_TRUE(Turn(960, 540, 0, WM_MBUTTONDOWN));
  EXPECT_TRUE(Turn(0, 1079, 0, WM_MBUTTONUP));
  EXPECT_TRUE(Turn(0, 1079)) << "a turn always goes on";
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_UP, VK_VOLUME_UP}));
}

TEST_F(MouseHookTest, FullScreenWindowInFrontSwitchesTheCornersOff) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  HWND window = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"full screen", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                  height, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ::SetForegroundWindow(window);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  ASSERT_EQ(::GetForegroundWindow(), window);

  Settings settings = AllVolume();
  settings.pauseInFullScreen = true;
  Use(settings, width, height);
  Turn(0, 0);
  Turn(width - 1, height - 1);
  EXPECT_TRUE(KeyDowns().empty());

  settings.pauseInFullScreen = false;
  Use(settings, width, height);
  Turn(0, 0);
  EXPECT_EQ(KeyDowns().size(), 1U);

  // One pixel short of the monitor is not full-screen.
  ::SetWindowPos(window, nullptr, 0, 0, width, height - 1, SWP_NOZORDER);
  settings.pauseInFullScreen = true;
  Use(settings, width, height);
  Turn(0, 0);
  EXPECT_EQ(KeyDowns().size(), 2U);
  ::DestroyWindow(window);
}

class BrightnessTest : public MouseHookTest {
 protected:
  BrightnessTest() {
    Settings settings = AllVolume();
    settings.topLeft = settings.topRight = 2;
    Use(settings);
  }
  // Brightness steps run on the worker: wait for them, then stop it to read.
  void Steps(std::initializer_list<bool> ups, size_t sets) {
    for (const bool up : ups) Turn(0, 0, up ? 120 : -120);
    EXPECT_TRUE(m_fake.WaitFor("write", sets));
  }
};

TEST_F(BrightnessTest, StepReadsThePanelThenSetsItOnTheWorker) {
  m_fake.reported = {2, 30, 40};
  Steps({true}, 1);
  m_worker.Stop();
  EXPECT_EQ(m_fake.calls, (std::vector<std::string>{"supported", "read", "write"}));
  EXPECT_EQ(m_fake.LevelsSet(), std::vector<uint8_t>{42});
}

TEST_F(BrightnessTest, PanelStepsTheLevelOfThePowerSourceItRunsOn) {
  m_fake.reported = {kPanelOnMains, 30, 70};
  Steps({true}, 1);
  m_fake.reported = {kPanelOnBattery, 30, 70};
  Steps({true}, 2);
  m_fake.reported = {0, 30, 70};  // neither: the battery's, as before
  Steps({false}, 3);
  m_worker.Stop();
  ASSERT_EQ(m_fake.panelWrites.size(), 3U);
  const auto bytes = [](const PanelLevel& level) { return std::vector<int>{level.policy, level.onMains, level.onBattery}; };
  EXPECT_EQ(bytes(m_fake.panelWrites[0]), (std::vector<int>{1, 32, 70}));
  EXPECT_EQ(bytes(m_fake.panelWrites[1]), (std::vector<int>{2, 30, 72}));
  EXPECT_EQ(bytes(m_fake.panelWrites[2]), (std::vector<int>{2, 30, 68}));
}

// Corners on every screen: a brightness turn steps the display of the monitor
// whose corner was turned, the built-in panel only where it is that display.
TEST_F(BrightnessTest, WithCornersOnEveryScreenTheMonitorTurnedIsStepped) {
  const MonitorList screens = {1, {{0, 0, 1920, 1080}, {1920, 0, 3840, 1200}}};
  m_worker.TakeMonitors(screens);
  Settings settings = AllVolume();
  settings.topLeft = settings.topRight = 2;
  settings.allScreens = true;
  m_hook.Publish({ComputeScreenZones(screens), settings});
  m_fake.monitors = {{0, 50, 100}};
  Turn(3839, 0);  // the top-right corner of the second monitor
  ASSERT_TRUE(m_fake.WaitFor("write monitor", 1));
  Turn(0, 0);  // the primary monitor, whose display is the panel
  ASSERT_TRUE(m_fake.WaitFor("write", 1));
  m_worker.Stop();  // lets the step on its way finish
  BrightnessShown shown;
  ASSERT_TRUE(m_worker.shown().Take(shown));
  ASSERT_EQ(m_fake.listedFor.size(), 1U);
  EXPECT_EQ(m_fake.listedFor[0], screens.monitors[1]);
  EXPECT_EQ(m_fake.LevelsSet(), std::vector<uint8_t>{52});
  EXPECT_EQ(shown.target, 1) << "the latest level, from the primary monitor";
}

TEST_F(BrightnessTest, UnusableAnswersFallBackToTheLastGoodLevel) {
  m_fake.reported.onBattery = 60;
  Steps({true}, 1);
  m_fake.reported.onBattery = 150;
  Steps({true}, 2);
  m_fake.readWorks = false;
  Steps({false}, 3);
  Steps({false}, 4);
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), (std::vector<uint8_t>{62, 62, 58, 58})) << "nothing learnt from what was sent";
}

TEST_F(BrightnessTest, TurnsWhileTheDriverIsBusyAddUpToOneNetChange) {
  ::ResetEvent(m_fake.writeGate);  // the driver takes its time over the first set
  Steps({true}, 1);
  Turn(0, 0);
  Turn(0, 0);
  Turn(1919, 0);
  Turn(0, 0, -120);
  Turn(0, 0);
  ::SetEvent(m_fake.writeGate);
  EXPECT_TRUE(m_fake.WaitFor("write", 2));
  m_worker.Stop();
  // From 50: one step to 52 first; then +4 -1 taken as one change from the level read again.
  EXPECT_EQ(m_fake.LevelsSet(), (std::vector<uint8_t>{52, 56}));
}

TEST_F(BrightnessTest, NoPanelMeansNothingIsSetOrShown) {
  m_fake.panelCallsLeft = 0;
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitFor("monitors", 1)) << "without a panel the monitors are tried";
  m_fake.panelCallsLeft = 2;  // gone after the read
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitFor("write", 1));
  m_worker.Stop();
  EXPECT_EQ(m_fake.calls, (std::vector<std::string>{"supported", "monitors", "supported", "read", "write"}));
  EXPECT_TRUE(m_fake.panelWrites.empty());
  BrightnessShown shown;
  EXPECT_FALSE(m_worker.shown().Take(shown)) << "nothing was set: nothing to show";
}

TEST_F(MouseHookTest, HookThatCannotBeInstalledIsReportedAndLeavesNoThread) {
  m_fake.hookFails = true;
  DWORD error = 0;
  EXPECT_FALSE(m_hook.Start(error));
  EXPECT_EQ(error, DWORD{ERROR_ACCESS_DENIED});
  m_fake.hookFails = false;
  EXPECT_TRUE(m_hook.Start(error)) << "a later try can still install it";
  m_hook.Stop();
}

TEST_F(MouseHookTest, NegativeCodesGoStraightOnAndOthersReachTheRunningHook) {
  DWORD error = 0;
  ASSERT_TRUE(m_hook.Start(error));
  MSLLHOOKSTRUCT event{};
  event.mouseData = 120U << 16;
  MouseHook::Procedure(-1, WM_MOUSEWHEEL, reinterpret_cast<LPARAM>(&event));
  EXPECT_TRUE(m_fake.keys.empty());
  MouseHook::Procedure(HC_ACTION, WM_MOUSEWHEEL, reinterpret_cast<LPARAM>(&event));
  EXPECT_EQ(KeyDowns().size(), 1U);
  m_hook.Stop();
  MouseHook::Procedure(HC_ACTION, WM_MOUSEWHEEL, reinterpret_cast<LPARAM>(&event));
  EXPECT_EQ(KeyDowns().size(), 1U) << "a stopped hook acts on nothing";
}

// The point of the hook's own thread: while the thread that owns the program
// (here the test's) is blocked for 2 s, as by a slow disk or a shell call, corner
// turns still give their keys at once.
TEST_F(MouseHookTest, CornerTurnsGiveTheirKeysWhileTheTrayThreadIsBlocked) {
  m_fake.realHook = true;
  DWORD error = 0;
  ASSERT_TRUE(m_hook.Start(error)) << error;
  constexpr int kTurns = 10;
  std::vector<LONGLONG> turned;
  std::thread user([&turned] {
    for (int i = 0; i < kTurns; ++i) {
      LARGE_INTEGER now;
      ::QueryPerformanceCounter(&now);
      turned.push_back(now.QuadPart);
      WheelAt(1919, 1079, i % 2 == 0 ? 120 : -120);
      ::Sleep(180);
    }
  });
  ::Sleep(2000);  // the blocked tray thread
  user.join();
  m_fake.WaitFor("key", kTurns);
  m_hook.Stop();

  ASSERT_EQ(m_fake.keyTimes.size(), static_cast<size_t>(kTurns));
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  for (int i = 0; i < kTurns; ++i) {
    const double ms = 1000.0 * static_cast<double>(m_fake.keyTimes[i] - turned[i]) / static_cast<double>(frequency.QuadPart);
    EXPECT_LT(ms, 100.0) << "turn " << i;
  }
}

}  // namespace

#include "app/HookKeeper.h"

namespace {

class HookKeeperTest : public MouseHookTest {
 protected:
  void SetUp() override {
    m_fake.realHook = true;
    DWORD error = 0;
    ASSERT_TRUE(m_hook.Start(error)) << error;
  }
  void TearDown() override { m_hook.Stop(); }
  int Reinstalls() const { return m_fake.installs - 1; }
  SystemNotificationArea m_area;
  TrayIcon m_icon{m_area};
  Texts m_texts;
  HookKeeper m_keeper{m_hook, m_icon, m_texts};
};

TEST_F(HookKeeperTest, HookTheSystemRemovedIsNoticedAndInstalledAgain) {
  EXPECT_FALSE(m_keeper.Check()) << "the first check only looks";
  PointerAt(960, 540);
  WheelAt(1919, 1079, 120);
  ASSERT_TRUE(m_fake.WaitFor("key", 1)) << "the hook works to begin with";
  EXPECT_FALSE(m_keeper.Check()) << "the hook saw the moves";

  // The system drops the hook without a word; the pointer moves on, to
  // somewhere else than where the last check saw it.
  ASSERT_TRUE(::UnhookWindowsHookEx(m_fake.lastHook));
  WheelAt(1919, 1079, 120);
  ::Sleep(200);
  EXPECT_EQ(KeyDowns().size(), 1U) << "nothing reaches a removed hook";
  PointerAt(700, 400);
  POINT cursor{};
  for (int tries = 0; tries < 200 && (::GetCursorPos(&cursor), cursor.x != 700 || cursor.y != 400); ++tries) ::Sleep(10);
  ASSERT_EQ(cursor.x, 700) << "the pointer did not move";

  EXPECT_TRUE(m_keeper.Check());
  EXPECT_EQ(Reinstalls(), 1);
  EXPECT_TRUE(m_hook.IsRunning());
  WheelAt(1919, 1079, -120);
  EXPECT_TRUE(m_fake.WaitFor("key", 2)) << "the next turn acts again";
}

TEST_F(HookKeeperTest, HookThreadThatEndedIsStartedAgain) {
  m_hook.Stop();
  ASSERT_FALSE(m_hook.IsRunning());
  EXPECT_TRUE(m_keeper.Check());
  EXPECT_TRUE(m_hook.IsRunning());
  EXPECT_EQ(Reinstalls(), 1);
}

TEST_F(HookKeeperTest, TypingAloneNeverReinstallsAHealthyHook) {
  PointerAt(700, 400);
  // 30 s of keyboard input only, with a check every half second.
  const ULONGLONG end = ::GetTickCount64() + 30000;
  while (::GetTickCount64() < end) {
    PressKey(VK_F24);  // a key no program acts on
    ::Sleep(200);
    PressKey(VK_F24);
    ::Sleep(200);
    m_keeper.Check();
  }
  EXPECT_EQ(Reinstalls(), 0);
}

TEST_F(HookKeeperTest, ReinstallKeepsOneHookAndTheVolumeClock) {
  // Interval 0: every hook that sees a turn sends a key, so a second hook would show.
  WheelAt(1919, 1079, 120);
  ASSERT_TRUE(m_fake.WaitFor("key", 1));
  for (int i = 0; i < 3; ++i) m_keeper.Reinstall();
  ASSERT_TRUE(m_hook.IsRunning());
  EXPECT_EQ(Reinstalls(), 3);
  WheelAt(1919, 1079, -120);
  ASSERT_TRUE(m_fake.WaitFor("key", 2));
  ::Sleep(300);
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_DOWN})) << "one hook, not four";

  // The clock of the last step goes on. Turns are handed over here, not sent:
  // the real hook runs on its own thread and would race the fake clock. A
  // reinstall takes the settings published before it.
  Settings settings = AllVolume();
  settings.volumeInterval = 100000;
  Use(settings);
  m_keeper.Reinstall();
  m_fake.now += 99999;
  Turn(1919, 1079);  // still within the interval of the last step: dropped
  m_fake.now += 1;
  Turn(1919, 1079);
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_DOWN, VK_VOLUME_UP}));
}

}  // namespace

namespace {

TEST_F(BrightnessTest, PanelWithCoarseLevelsStepsToTheNextOneAndAFullListAsBefore) {
  m_fake.supportedLevels = {0, 25, 50, 75, 100};
  Steps({true}, 1);
  m_fake.reported.onBattery = 52;
  Steps({false}, 2);
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), (std::vector<uint8_t>{75, 50}));
  EXPECT_EQ(m_fake.Count("supported"), 1U) << "asked once, on first use";
}

TEST_F(BrightnessTest, FullLevelListBehavesAsBefore) {
  for (BYTE level = 0; level <= 100; ++level) m_fake.supportedLevels.push_back(level);
  Steps({true}, 1);
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), std::vector<uint8_t>{52});
}

class MonitorTest : public BrightnessTest {
 protected:
  MonitorTest() { m_fake.panelCallsLeft = 0; }  // no built-in panel
  bool WaitForMonitorSets(size_t count) { return m_fake.WaitFor("write monitor", count); }
  static bool WaitUntilTrue(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 500; ++tries) {
      if (condition()) return true;
      ::Sleep(10);
    }
    return false;
  }
};

TEST_F(MonitorTest, StepsAreTwoPercentOfEachMonitorsRangeAndAllStepTogether) {
  m_fake.monitors = {{0, 50, 100}, {0, 20, 50}};
  Turn(1919, 0);
  ASSERT_TRUE(WaitForMonitorSets(2));
  BrightnessShown shown;
  ASSERT_TRUE(WaitUntilTrue([&] { return m_worker.shown().Take(shown); }));
  EXPECT_EQ(shown.percent, 52);
  EXPECT_EQ(shown.corner, ScreenCorner::TopRight);
  m_worker.Stop();
  EXPECT_EQ(m_fake.monitorSets, (std::vector<std::pair<size_t, DWORD>>{{0, 52}, {1, 21}}));
  EXPECT_EQ(m_fake.monitorHandlesOut, 0) << "every physical monitor handle released";
}

TEST_F(MonitorTest, SlowMonitorTakesTurnsMeanwhileAsOneChange) {
  m_fake.monitors = {{0, 50, 100, true, 80}};
  Turn(0, 0);
  ASSERT_TRUE(WaitForMonitorSets(1));
  Turn(0, 0);  // while the monitor is still busy with the first change
  Turn(0, 0);
  Turn(0, 0);
  ASSERT_TRUE(WaitForMonitorSets(2));
  ::Sleep(300);
  m_worker.Stop();
  EXPECT_EQ(m_fake.monitorSets, (std::vector<std::pair<size_t, DWORD>>{{0, 52}, {0, 58}}));
}

TEST_F(MonitorTest, MonitorThatFailedIsTriedAgainAfterACoolDownNotBefore) {
  m_fake.monitors = {{0, 50, 100, false}};
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitFor("read monitor", 1));
  Turn(0, 0);
  Turn(0, 0);
  ::Sleep(200);
  EXPECT_EQ(m_fake.Count("read monitor"), 1U) << "no retry storm";
  m_fake.monitors[0].answers = true;  // back from standby
  m_fake.now += kMonitorCoolDownMs;
  Turn(0, 0);
  ASSERT_TRUE(WaitForMonitorSets(1));
  m_worker.Stop();
  EXPECT_EQ(m_fake.monitorSets, (std::vector<std::pair<size_t, DWORD>>{{0, 52}}));
  EXPECT_EQ(m_fake.Count("monitors"), 1U) << "listed once";
  EXPECT_EQ(m_fake.monitorHandlesOut, 0);
}

TEST_F(MonitorTest, MonitorThatReportsItsOldLevelForAMomentLosesNoSteps) {
  m_fake.realClock = true;
  m_fake.monitors = {{0, 40, 100, true, 30, 500}};
  Turn(0, 0);
  ASSERT_TRUE(WaitForMonitorSets(1));
  for (int notch = 1; notch < 10; ++notch) Turn(0, 0);  // while the monitor still says 40
  ASSERT_TRUE(WaitForMonitorSets(2));
  ::Sleep(300);
  m_worker.Stop();
  EXPECT_EQ(m_fake.monitors[0].current, 60U) << "ten steps of 2 from 40";
}

// With corners on every monitor, turns on two monitors while a slow DDC/CI call
// runs on a third land on each their own: +3 and -1, not +2 on the last one turned.
TEST_F(MonitorTest, TurnsOnOtherMonitorsDuringASlowCallLandOnTheirOwn) {
  const MonitorList screens = {1, {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}, {-1920, 0, 0, 1080}}};
  m_worker.TakeMonitors(screens);
  Settings settings = AllVolume();
  settings.topLeft = settings.topRight = 2;
  settings.allScreens = true;
  m_hook.Publish({ComputeScreenZones(screens), settings});
  for (const ScreenRect& display : screens.monitors) m_fake.monitors.push_back({0, 50, 100, true, 100, 0, display});
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitFor("read monitor", 1)) << "the slow call is on its way";
  for (int notch = 0; notch < 3; ++notch) Turn(1920, 0);
  Turn(-1920, 0, -120);
  ASSERT_TRUE(WaitForMonitorSets(3));
  m_worker.Stop();
  EXPECT_EQ(m_fake.monitors[0].current, 52U);
  EXPECT_EQ(m_fake.monitors[1].current, 56U) << "+3";
  EXPECT_EQ(m_fake.monitors[2].current, 48U) << "-1";
  EXPECT_EQ(m_fake.monitorHandlesOut, 0);
}

TEST_F(MonitorTest, NoPanelAndNoMonitorMeansNothingIsSentOrShown) {
  Turn(0, 0);
  ASSERT_TRUE(WaitUntilTrue([&] { return m_fake.Count("monitors") == 1; }));
  Turn(0, 0);
  ::Sleep(100);
  EXPECT_EQ(m_fake.Count("monitors"), 1U) << "asked again only after a cool-down";
  m_fake.now += kMonitorCoolDownMs;
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitFor("monitors", 2));
  m_worker.Stop();
  BrightnessShown shown;
  EXPECT_FALSE(m_worker.shown().Take(shown));
}

}  // namespace
