#include "hook/MouseHook.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "tests/support/Input.h"
#include "tests/windows/HookFixture.h"

namespace {

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

  // A press the hook answered too late for the system went on: so does its release.
  m_fake.tickPerSend = kKeptPressLateMs;
  EXPECT_FALSE(Turn(0, 1079, 0, WM_MBUTTONDOWN));
  EXPECT_TRUE(Turn(0, 1079, 0, WM_MBUTTONUP)) << "the press came back late";
  EXPECT_EQ(m_fake.mutes, 2) << "it muted all the same";
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

// A held key keeps its turns from the windows and steps; every hold is
// masked once, and only the hook's own thread installs the keyboard hook,
// also for settings published before it ran.
TEST_F(MouseHookTest, AHeldKeyStepsKeepsItsTurnsAndMasksAltOncePerHold) {
  Settings settings = AllVolume();
  settings.keyWheelModifiers = kAlt;
  Use(settings);
  m_fake.heldModifiers = kAlt;
  EXPECT_FALSE(Turn(960, 540)) << "no window sees the turn";
  EXPECT_FALSE(Turn(960, 540, -120));
  EXPECT_EQ(KeyDowns(), (std::vector<WORD>{VK_VOLUME_UP, VK_VOLUME_DOWN}));
  EXPECT_EQ(m_fake.masks, 1) << "once per hold";
  EXPECT_EQ(m_fake.calls.front(), "mask") << "masked while Alt is still held";
  m_fake.heldModifiers = 0;
  EXPECT_TRUE(Turn(960, 540)) << "without Alt the turn goes on";

  // The hook's thread installs a keyboard hook for Alt; once joined, the count is final.
  DWORD error = 0;
  ASSERT_TRUE(m_hook.Start(error)) << error;
  m_hook.Stop();
  EXPECT_EQ(m_fake.keyboardHooks, 1);
  EXPECT_NE(m_fake.keyboardHookThread, ::GetCurrentThreadId()) << "installed by the thread that published";
  settings.keyWheelModifiers = kCtrl;
  Use(settings);
  ASSERT_TRUE(m_hook.Start(error)) << error;
  m_hook.Stop();
  EXPECT_EQ(m_fake.keyboardHooks, 2) << "Ctrl is watched too";
  m_fake.heldModifiers = kCtrl;
  EXPECT_FALSE(Turn(960, 540));
  EXPECT_EQ(m_fake.masks, 2) << "and masked";
}

// Middle clicks in a volume corner while the hook is installed again and
// again: each one mutes, and the window under the corner sees none of them,
// nor a release without its press. The new hook is in before the old one goes.
TEST_F(MouseHookTest, ReinstallsLetNoKeptClickThrough) {
  m_fake.realHook = true;
  m_fake.realClock = true;  // the events' own times are the system's
  Settings settings = AllVolume();
  settings.middleClickMute = true;
  Use(settings);
  DWORD error = 0;
  ASSERT_TRUE(m_hook.Start(error)) << error;
  EXPECT_EQ(m_fake.installPriority, THREAD_PRIORITY_TIME_CRITICAL) << "the hook's thread runs above the load";

  static int s_buttons = 0;  // middle-button messages the window under the corner got
  s_buttons = 0;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) ++s_buttons;
    return ::DefWindowProcW(window, message, wParam, lParam);
  };
  windowClass.lpszClassName = L"UnderTheCorner";
  ::RegisterClassW(&windowClass);
  HWND under = ::CreateWindowExW(WS_EX_TOPMOST, L"UnderTheCorner", L"", WS_POPUP | WS_VISIBLE, 0, 1000, 100, 80,
                                 nullptr, nullptr, nullptr, nullptr);
  const auto pump = [] {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  };
  constexpr int kClicks = 300;
  std::thread clicks([] {
    for (int click = 0; click < kClicks; ++click) {
      SendAll({MouseAt(0, 1079, MOUSEEVENTF_MIDDLEDOWN), MouseAt(0, 1079, MOUSEEVENTF_MIDDLEUP)});
      ::Sleep(1);
    }
  });
  for (int reinstall = 0; reinstall < 60; ++reinstall) {
    EXPECT_TRUE(m_hook.Reinstall(error)) << error;
    pump();
    ::Sleep(3);
  }
  clicks.join();
  EXPECT_TRUE(m_fake.WaitFor("mute", kClicks));
  for (int round = 0; round < 20; ++round) {
    pump();
    ::Sleep(10);
  }
  m_hook.Stop();
  EXPECT_EQ(s_buttons, 0) << "middle-button messages reached the window under the corner";
  ::DestroyWindow(under);
  ::UnregisterClassW(L"UnderTheCorner", nullptr);
}

// Notches over a program while the audio worker is busy become one change,
// on the window noted when they came; the turns reach no window.
TEST_F(MouseHookTest, AProgramsNotchesWaitingForTheAudioWorkerBecomeOneChange) {
  Settings settings = AllVolume();
  settings.appKeyWheelModifiers = kCtrl;
  Use(settings);
  m_fake.heldModifiers = kCtrl;
  m_fake.sessions = {{77, L"player.exe", false, 0.30F, false}, {5, L"other.exe", false, 0.90F, false}};
  ::ResetEvent(m_fake.sessionsGate);  // the audio service is slow to answer
  EXPECT_FALSE(Turn(960, 540));
  ASSERT_TRUE(m_fake.WaitFor("sessions", 1));
  for (int notch = 0; notch < 5; ++notch) EXPECT_FALSE(Turn(960, 540));
  ::SetEvent(m_fake.sessionsGate);
  ASSERT_TRUE(m_fake.WaitFor("set session", 2));
  EXPECT_EQ(m_fake.Count("sessions"), 2U) << "one listing for the five notches that waited";
  EXPECT_FLOAT_EQ(m_fake.sessions[0].level, 0.42F);
  EXPECT_FLOAT_EQ(m_fake.sessions[1].level, 0.90F) << "another program's";
  EXPECT_EQ(m_fake.programWindows, (std::vector<uint32_t>{0x1234, 0x1234}));
  EXPECT_EQ(m_fake.Count("mask"), 1U) << "once per hold";
  AudioShown shown;
  ASSERT_TRUE(m_audio.TakeShown(shown));
  EXPECT_EQ(shown.name, L"Player");
  EXPECT_EQ(shown.percent, 42);
}

}  // namespace
