#include "devices/BrightnessWorker.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/windows/HookFixture.h"

namespace {

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
