#include "hook/MouseHook.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "core/CornerZones.h"
#include "tests/support/Input.h"
#include "tests/windows/FakeActionSeam.h"

namespace {

constexpr DWORD kQuery = 0x00230498;
constexpr DWORD kSet = 0x0023049C;

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
      : m_worker(m_fake), m_hook({ComputeCornerZones(1920, 1080), AllVolume()}, m_fake, m_worker, m_reports) {}

  void Use(const Settings& settings, int width = 1920, int height = 1080) {
    m_hook.Publish({ComputeCornerZones(width, height), settings});
  }
  void Turn(LONG x, LONG y, int delta = 120, WPARAM message = WM_MOUSEWHEEL) {
    MSLLHOOKSTRUCT event{};
    event.pt = {x, y};
    event.mouseData = static_cast<DWORD>(delta) << 16;
    m_hook.Handle(message, reinterpret_cast<LPARAM>(&event));
  }
  std::vector<WORD> KeyDowns() const {
    std::vector<WORD> keys;
    for (const INPUT& input : m_fake.inputs) {
      if ((input.ki.dwFlags & KEYEVENTF_KEYUP) == 0) keys.push_back(input.ki.wVk);
    }
    return keys;
  }
  std::vector<HookReport> Reports() {
    std::vector<HookReport> reports;
    for (HookReport report; m_reports.Take(report);) reports.push_back(report);
    return reports;
  }

  FakeSystem m_fake;
  HookReports m_reports;
  BrightnessWorker m_worker;
  MouseHook m_hook;
};

TEST_F(MouseHookTest, OnlyTheVerticalWheelActs) {
  for (const WPARAM message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MOUSEHWHEEL}) {
    Turn(0, 0, 120, message);
  }
  EXPECT_TRUE(m_fake.order.empty());
  Turn(0, 0);
  EXPECT_EQ(KeyDowns(), std::vector<WORD>{VK_VOLUME_UP});
}

TEST_F(MouseHookTest, PositionsOffThePrimaryScreenCountAsTheNearestZone) {
  Turn(-1920, -5);
  Turn(-1, 1200, -120);
  Turn(-1, 500);  // left of the screen but between the bands
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_DOWN}));
}

TEST_F(MouseHookTest, EachVolumeStepIsAPressAndItsReleaseInOneCall) {
  Turn(0, 0);
  Turn(1919, 1079, -120);
  ASSERT_EQ(m_fake.sendCounts, (std::vector<UINT>{2, 2}));
  ASSERT_EQ(m_fake.inputs.size(), 4U);
  for (size_t i = 0; i < m_fake.inputs.size(); ++i) {
    const INPUT& input = m_fake.inputs[i];
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(input.ki.wVk, i < 2 ? VK_VOLUME_UP : VK_VOLUME_DOWN);
    EXPECT_EQ(input.ki.dwFlags, i % 2 == 0 ? 0U : DWORD{KEYEVENTF_KEYUP}) << "a press, then its release";
    EXPECT_EQ(input.ki.wScan, 0);
    EXPECT_EQ(input.ki.time, 0U);
    EXPECT_EQ(input.ki.dwExtraInfo, 0U);
  }
  EXPECT_EQ(std::count(m_fake.order.begin(), m_fake.order.end(), "bad size"), 0);
}

TEST_F(MouseHookTest, CornerActionCodeIsHandedOn) {
  Settings settings = AllVolume();
  settings.topLeft = 2;
  settings.bottomRight = 3;
  Use(settings);
  Turn(0, 0);
  Turn(1919, 1079);
  // Top-left: one brightness step on the worker; bottom-right: code 3 does nothing.
  ASSERT_TRUE(m_fake.WaitForSets(1));
  m_worker.Stop();
  EXPECT_EQ(m_fake.opens.size(), 2U);
  EXPECT_TRUE(KeyDowns().empty());
}

TEST_F(MouseHookTest, IntervalRunsFromTheEndOfTheLastStepAndSurvivesNewSettings) {
  Settings settings = AllVolume();
  settings.volumeInterval = 100;
  Use(settings);
  m_fake.tickPerSend = 30;  // the send itself takes 30 ms
  Turn(0, 1079);  // first event: only starts the clock
  EXPECT_TRUE(m_fake.inputs.empty());
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
  EXPECT_TRUE(m_fake.sounds.empty());
  m_fake.now += 100;
  Turn(0, 1079);
  ASSERT_EQ(m_fake.sounds.size(), 1U);
  EXPECT_EQ(m_fake.sounds[0].file, L"C:\\Windows\\Media\\Windows Background.wav");
  EXPECT_FALSE(m_fake.sounds[0].module);
  EXPECT_EQ(m_fake.sounds[0].flags, 0x00020001U) << "SND_FILENAME | SND_ASYNC: never waits for the sound";
  EXPECT_EQ(m_fake.order, (std::vector<std::string>{"send", "sound"}));
}

TEST_F(MouseHookTest, FailuresAreLeftForTheTrayWithoutABoxAndASendStillCounts) {
  Settings settings = AllVolume();
  settings.stepSound = true;
  settings.volumeInterval = 1000;
  Use(settings);
  m_fake.sendResult = 0;
  m_fake.sendError = ERROR_ACCESS_DENIED;
  m_fake.tickPerSend = 10;
  Turn(0, 0);  // starts the clock
  m_fake.now += 1000;
  Turn(0, 0);
  EXPECT_EQ(m_fake.order, (std::vector<std::string>{"send", "sound"}));
  EXPECT_EQ(Reports(), (std::vector<HookReport>{{2, ERROR_ACCESS_DENIED}}));
  m_fake.now += 995;
  Turn(0, 0);  // the clock restarted at the end of the failed send
  EXPECT_EQ(m_fake.inputs.size(), 2U);

  m_hook.Handle(WM_MOUSEWHEEL, 0);
  m_hook.Handle(WM_MOUSEMOVE, 0);
  // One report waits until the tray takes it; more of them are not piled up.
  EXPECT_EQ(Reports(), (std::vector<HookReport>{{1, 0}}));
  EXPECT_TRUE(Reports().empty());
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
    EXPECT_TRUE(m_fake.WaitForSets(sets));
  }
};

TEST_F(BrightnessTest, StepQueriesThenSetsThroughTwoOpensOnTheWorker) {
  m_fake.reportedLevel = 40;
  Steps({true}, 1);
  m_worker.Stop();
  EXPECT_EQ(m_fake.order,
            (std::vector<std::string>{"open", "supported", "query", "close", "open", "set", "close"}));
  ASSERT_EQ(m_fake.opens.size(), 2U);
  for (const DeviceOpen& open : m_fake.opens) {
    EXPECT_EQ(open.path, L"\\\\.\\LCD");
    EXPECT_EQ(open.access, static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE));
    EXPECT_EQ(open.share, 0U);
    EXPECT_EQ(open.disposition, static_cast<DWORD>(OPEN_EXISTING));
    EXPECT_EQ(open.flags, 0U);
    EXPECT_FALSE(open.security);
    EXPECT_FALSE(open.templateFile);
  }
  ASSERT_EQ(m_fake.requests.size(), 2U) << "the supported levels are asked for once, not recorded here";
  EXPECT_EQ(m_fake.requests[0].code, kQuery);
  EXPECT_EQ(m_fake.requests[0].input, "");
  EXPECT_EQ(m_fake.requests[0].outputSize, 3U);
  EXPECT_EQ(m_fake.requests[1].code, kSet);
  EXPECT_EQ(m_fake.requests[1].input, std::string("\0\0\x2A", 3)) << "policy 0, AC 0, DC 42";
  EXPECT_EQ(m_fake.requests[1].outputSize, 0U);
  EXPECT_FALSE(m_fake.requests[1].overlapped);
  EXPECT_EQ(m_fake.openHandles, 0) << "every handle closed";
}

TEST_F(BrightnessTest, UnusableAnswersFallBackToTheLastGoodLevel) {
  m_fake.reportedLevel = 60;
  Steps({true}, 1);
  m_fake.reportedLevel = 150;
  Steps({true}, 2);
  m_fake.queryWorks = false;
  Steps({false}, 3);
  Steps({false}, 4);
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), (std::vector<BYTE>{62, 62, 58, 58})) << "nothing learnt from what was sent";
}

TEST_F(BrightnessTest, TurnsWhileTheDriverIsBusyAddUpToOneNetChange) {
  ::ResetEvent(m_fake.setGate);  // the driver takes its time over the first set
  Steps({true}, 1);
  Turn(0, 0);
  Turn(0, 0);
  Turn(1919, 0);
  Turn(0, 0, -120);
  Turn(0, 0);
  ::SetEvent(m_fake.setGate);
  EXPECT_TRUE(m_fake.WaitForSets(2));
  m_worker.Stop();
  // From 50: one step to 52 first; then +4 -1 taken as one change from the level read again.
  EXPECT_EQ(m_fake.LevelsSet(), (std::vector<BYTE>{52, 56}));
  EXPECT_EQ(m_fake.openHandles, 0);
}

TEST_F(BrightnessTest, NoDeviceMeansNothingIsSent) {
  m_fake.opensLeft = 0;
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitForCalls(1));
  m_fake.opensLeft = 1;  // gone after the query
  Turn(0, 0);
  ASSERT_TRUE(m_fake.WaitForCalls(5));
  m_worker.Stop();
  EXPECT_EQ(m_fake.order, (std::vector<std::string>{"open", "monitors", "open", "supported", "query", "close",
                                                    "open"}));
  EXPECT_EQ(m_fake.openHandles, 0);
  EXPECT_TRUE(Reports().empty());
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
  EXPECT_TRUE(m_fake.inputs.empty());
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
  m_fake.WaitForCalls(kTurns);
  m_hook.Stop();

  ASSERT_EQ(m_fake.sendTimes.size(), static_cast<size_t>(kTurns));
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  for (int i = 0; i < kTurns; ++i) {
    const double ms = 1000.0 * static_cast<double>(m_fake.sendTimes[i] - turned[i]) / static_cast<double>(frequency.QuadPart);
    EXPECT_LT(ms, 100.0) << "turn " << i;
  }
}

}  // namespace

#include "hook/HookWatchdog.h"

namespace {

// Input the hook cannot see: the system's last input time moves on, as a real
// mouse's would after the hook is gone.
void MovePointerBy(int dx) {
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = dx;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  ::SendInput(1, &move, sizeof(INPUT));
}


class HookWatchdogTest : public MouseHookTest {
 protected:
  void SetUp() override {
    m_fake.realHook = true;
    DWORD error = 0;
    ASSERT_TRUE(m_hook.Start(error)) << error;
  }
  void TearDown() override { m_hook.Stop(); }
  HookWatchdog m_watchdog{m_hook};
};

TEST_F(HookWatchdogTest, HookTheSystemRemovedIsNoticedAndInstalledAgain) {
  EXPECT_FALSE(m_watchdog.Check()) << "the first check only looks";
  PointerAt(960, 540);
  WheelAt(1919, 1079, 120);
  ASSERT_TRUE(m_fake.WaitForCalls(1)) << "the hook works to begin with";
  EXPECT_FALSE(m_watchdog.Check()) << "the hook saw the moves";

  // The system drops the hook without a word; the pointer moves on.
  ASSERT_TRUE(::UnhookWindowsHookEx(m_hook.InstalledHook()));
  MovePointerBy(40);
  WheelAt(1919, 1079, 120);
  ::Sleep(200);
  EXPECT_EQ(KeyDowns().size(), 1U) << "nothing reaches a removed hook";

  EXPECT_TRUE(m_watchdog.Check());
  EXPECT_EQ(m_hook.Reinstalls(), 1U);
  EXPECT_TRUE(m_hook.IsRunning());
  WheelAt(1919, 1079, -120);
  EXPECT_TRUE(m_fake.WaitForCalls(2)) << "the next turn acts again";
}

TEST_F(HookWatchdogTest, TypingAloneNeverReinstallsAHealthyHook) {
  PointerAt(700, 400);
  // 30 s of keyboard input only, with a check every half second.
  const ULONGLONG end = ::GetTickCount64() + 30000;
  while (::GetTickCount64() < end) {
    PressKey(VK_F24);  // a key no program acts on
    ::Sleep(200);
    PressKey(VK_F24);
    ::Sleep(200);
    m_watchdog.Check();
  }
  EXPECT_EQ(m_hook.Reinstalls(), 0U);
}

TEST_F(HookWatchdogTest, ReinstallKeepsOneHookAndTheVolumeClock) {
  Settings settings = AllVolume();
  settings.volumeInterval = 100000;
  Use(settings);
  m_fake.now = 1000;
  WheelAt(1919, 1079, 120);  // starts the clock
  m_fake.now += 100000;
  WheelAt(1919, 1079, 120);  // a step
  ASSERT_TRUE(m_fake.WaitForCalls(1));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(m_watchdog.Reinstall());
  WheelAt(1919, 1079, 120);  // still within the interval of that step: dropped
  m_fake.now += 100000;
  WheelAt(1919, 1079, -120);  // exactly one step: one hook, not four
  ASSERT_TRUE(m_fake.WaitForCalls(2));
  ::Sleep(300);
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_DOWN}));
}

}  // namespace

namespace {

TEST_F(BrightnessTest, PanelWithCoarseLevelsStepsToTheNextOneAndAFullListAsBefore) {
  m_fake.supportedLevels = {0, 25, 50, 75, 100};
  m_fake.reportedLevel = 50;
  Steps({true}, 1);
  m_fake.reportedLevel = 52;
  Steps({false}, 2);
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), (std::vector<BYTE>{75, 50}));
  EXPECT_EQ(m_fake.Count("supported"), 1U) << "asked once, on first use";
}

TEST_F(BrightnessTest, FullLevelListBehavesAsBefore) {
  for (BYTE level = 0; level <= 100; ++level) m_fake.supportedLevels.push_back(level);
  Steps({true}, 1);
  m_worker.Stop();
  EXPECT_EQ(m_fake.LevelsSet(), std::vector<BYTE>{52});
}

class MonitorTest : public BrightnessTest {
 protected:
  MonitorTest() { m_fake.opensLeft = 0; }  // no built-in panel
  bool WaitForMonitorSets(size_t count) {
    return WaitUntilTrue([&] { return m_fake.Count("set monitor") >= count; });
  }
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
  ASSERT_TRUE(WaitUntilTrue([&] { return m_worker.TakeShown(shown); }));
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

TEST_F(MonitorTest, MonitorThatDoesNotAnswerIsLeftAloneUntilTheDisplayChanges) {
  m_fake.monitors = {{0, 50, 100, false}};
  Turn(0, 0);
  ASSERT_TRUE(WaitUntilTrue([&] { return m_fake.Count("get monitor") == 1; }));
  Turn(0, 0);
  Turn(0, 0);
  ::Sleep(200);
  EXPECT_EQ(m_fake.Count("get monitor"), 1U) << "no retry storm";
  m_worker.DisplayChanged();
  Turn(0, 0);
  ASSERT_TRUE(WaitUntilTrue([&] { return m_fake.Count("get monitor") == 2; }));
  m_worker.Stop();
  EXPECT_EQ(m_fake.Count("monitors"), 2U) << "acquired again after the display change";
  EXPECT_EQ(m_fake.monitorHandlesOut, 0);
  EXPECT_TRUE(m_fake.monitorSets.empty());
}

TEST_F(MonitorTest, NoPanelAndNoMonitorMeansNothingIsSentOrShown) {
  Turn(0, 0);
  ASSERT_TRUE(WaitUntilTrue([&] { return m_fake.Count("monitors") == 1; }));
  Turn(0, 0);
  ::Sleep(100);
  m_worker.Stop();
  EXPECT_EQ(m_fake.Count("monitors"), 1U);
  BrightnessShown shown;
  EXPECT_FALSE(m_worker.TakeShown(shown));
}

}  // namespace
