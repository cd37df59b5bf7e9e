#include "hook/CornerActions.h"

#include <gtest/gtest.h>

#include "app/BrimletApp.h"
#include "tests/windows/FakeActionSeam.h"
#include "tests/windows/TestFolder.h"

namespace {

constexpr DWORD kQuery = 0x00230498;
constexpr DWORD kSet = 0x0023049C;

class CornerActionsTest : public ::testing::Test {
 protected:
  FakeSystem& fake() { return m_seam.system(); }
  std::vector<WORD> KeysSent() {
    std::vector<WORD> keys;
    for (const INPUT& input : fake().inputs) keys.push_back(input.ki.wVk);
    return keys;
  }
  FakeSeamScope m_seam;
};

TEST_F(CornerActionsTest, OtherCodesTouchNothing) {
  for (const int code : {0, 3, -1, 1000}) {
    RunCornerAction(code, true);
    RunCornerAction(code, false);
  }
  EXPECT_TRUE(fake().order.empty());
}

TEST_F(CornerActionsTest, VolumeStepIsOneKeyDownRecord) {
  g_volumeInterval = 0;
  RunCornerAction(1, true);
  RunCornerAction(1, false);
  ASSERT_EQ(fake().inputs.size(), 2U);
  for (const INPUT& input : fake().inputs) {
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(input.ki.wScan, 0);
    EXPECT_EQ(input.ki.dwFlags, 0U) << "a key-down only; no key-up ever follows";
    EXPECT_EQ(input.ki.time, 0U);
    EXPECT_EQ(input.ki.dwExtraInfo, 0U);
  }
  EXPECT_EQ(KeysSent(), (std::vector<WORD>{0xAF, 0xAE}));
  EXPECT_EQ(fake().inputSizes, (std::vector<int>{sizeof(INPUT), sizeof(INPUT)}));
}

TEST_F(CornerActionsTest, IntervalRunsFromTheEndOfTheLastStep) {
  g_volumeInterval = 100;
  fake().tickPerSend = 30;  // the send itself takes 30 ms
  RunCornerAction(1, true);  // first event: only starts the clock
  EXPECT_TRUE(fake().inputs.empty());
  fake().now += 100;
  RunCornerAction(1, true);  // sent; the step ends 30 ms later
  ASSERT_EQ(fake().inputs.size(), 1U);
  fake().now += 50;
  RunCornerAction(1, true);  // 50 ms after the step: dropped, not saved up
  fake().now += 49;
  RunCornerAction(1, true);  // 99 ms after the end of the step: still dropped
  EXPECT_EQ(fake().inputs.size(), 1U);
  fake().now += 1;
  RunCornerAction(1, false);
  EXPECT_EQ(KeysSent(), (std::vector<WORD>{0xAF, 0xAE}));
}

TEST_F(CornerActionsTest, SoundFollowsEveryStepThatWasNotDropped) {
  g_volumeInterval = 100;
  g_volumeSound = true;
  RunCornerAction(1, true);  // dropped: no sound
  EXPECT_TRUE(fake().sounds.empty());
  fake().now += 100;
  RunCornerAction(1, true);
  ASSERT_EQ(fake().sounds.size(), 1U);
  EXPECT_EQ(fake().sounds[0].file, L"C:\\Windows\\Media\\Windows Background.wav");
  EXPECT_FALSE(fake().sounds[0].module);
  EXPECT_EQ(fake().sounds[0].flags, 0x00020001U) << "SND_FILENAME | SND_ASYNC: never waits for the sound";
  EXPECT_EQ(fake().order, (std::vector<std::string>{"send", "sound"}));
}

TEST_F(CornerActionsTest, FailedSendIsReportedLaterAndStillCountsAsAStep) {
  g_volumeInterval = 0;
  g_volumeSound = true;
  fake().sendResult = 0;
  fake().sendError = ERROR_ACCESS_DENIED;
  fake().tickPerSend = 10;
  RunCornerAction(1, true);
  // No box inside the hook: the report goes to the tray window.
  EXPECT_EQ(fake().order, (std::vector<std::string>{"send", "error", "sound"}));
  ASSERT_EQ(fake().errors.size(), 1U);
  EXPECT_EQ(fake().errors[0].first, HookError::SendInputFailed);
  EXPECT_EQ(fake().errors[0].second, DWORD{ERROR_ACCESS_DENIED});
  EXPECT_EQ(g_lastVolumeStepTick, fake().now) << "the clock restarts after a failed send too";
}

TEST_F(CornerActionsTest, FirstVolumeEventLoadsSoundAndIntervalOnce) {
  TestFolder folder;
  const std::wstring savedPath = theApp.m_configPath;
  theApp.m_configPath = folder.File(L"config.ini");
  ASSERT_TRUE(WriteFileBytes(theApp.m_configPath, "[Brimlet]\r\nSound = true\r\nInterval = 0\r\n"));
  g_volumeSettingsLoaded = false;

  RunCornerAction(1, true);
  EXPECT_TRUE(g_volumeSettingsLoaded);
  EXPECT_EQ(fake().inputs.size(), 1U) << "Interval 0 lets the first event through";
  EXPECT_EQ(fake().sounds.size(), 1U);

  // Later hand edits do not reach the running volume step.
  ASSERT_TRUE(WriteFileBytes(theApp.m_configPath, "[Brimlet]\r\nSound = false\r\nInterval = 100000\r\n"));
  RunCornerAction(1, true);
  EXPECT_EQ(fake().inputs.size(), 2U);
  EXPECT_EQ(fake().sounds.size(), 2U);
  theApp.m_configPath = savedPath;
}

TEST_F(CornerActionsTest, BrightnessStepQueriesThenSetsThroughTwoOpens) {
  fake().reportedLevel = 40;
  RunCornerAction(2, true);
  EXPECT_EQ(fake().order, (std::vector<std::string>{"open", "query", "close", "open", "set", "close"}));
  ASSERT_EQ(fake().opens.size(), 2U);
  for (const DeviceOpen& open : fake().opens) {
    EXPECT_EQ(open.path, L"\\\\.\\LCD");
    EXPECT_EQ(open.access, static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE));
    EXPECT_EQ(open.share, 0U);
    EXPECT_EQ(open.disposition, static_cast<DWORD>(OPEN_EXISTING));
    EXPECT_EQ(open.flags, 0U);
    EXPECT_FALSE(open.security);
    EXPECT_FALSE(open.templateFile);
  }
  ASSERT_EQ(fake().requests.size(), 2U);
  EXPECT_EQ(fake().requests[0].code, kQuery);
  EXPECT_EQ(fake().requests[0].input, "");
  EXPECT_EQ(fake().requests[0].outputSize, 3U);
  EXPECT_EQ(fake().requests[1].code, kSet);
  EXPECT_EQ(fake().requests[1].input, std::string("\0\0\x2A", 3)) << "policy 0, AC 0, DC 42";
  EXPECT_EQ(fake().requests[1].outputSize, 0U);
  EXPECT_FALSE(fake().requests[1].overlapped);
  EXPECT_EQ(fake().openHandles, 0) << "every handle closed";
  EXPECT_EQ(g_lastBrightness, 40);
}

TEST_F(CornerActionsTest, UnusableAnswersFallBackToTheLastGoodLevel) {
  g_lastBrightness = 60;
  fake().reportedLevel = 150;
  RunCornerAction(2, true);
  EXPECT_EQ(static_cast<BYTE>(fake().requests[1].input[2]), 62);
  EXPECT_EQ(g_lastBrightness, 60);

  fake().requests.clear();
  fake().queryWorks = false;
  RunCornerAction(2, false);
  RunCornerAction(2, false);
  EXPECT_EQ(static_cast<BYTE>(fake().requests[1].input[2]), 58);
  EXPECT_EQ(static_cast<BYTE>(fake().requests[3].input[2]), 58) << "nothing learnt from what was sent";
}

TEST_F(CornerActionsTest, NoDeviceMeansNothingIsSent) {
  fake().opensLeft = 0;
  RunCornerAction(2, true);
  EXPECT_EQ(fake().order, (std::vector<std::string>{"open"}));
  EXPECT_EQ(fake().closes, 0);
  EXPECT_TRUE(fake().errors.empty());
}

TEST_F(CornerActionsTest, DeviceGoneAfterTheQuerySkipsTheSet) {
  fake().opensLeft = 1;
  RunCornerAction(2, true);
  EXPECT_EQ(fake().order, (std::vector<std::string>{"open", "query", "close", "open"}));
  EXPECT_EQ(fake().openHandles, 0);
}

}  // namespace
