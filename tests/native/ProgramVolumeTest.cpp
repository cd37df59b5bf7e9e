#include "core/ProgramVolume.h"

#include <gtest/gtest.h>

#include "core/CornerWheel.h"
#include "tests/native/DesktopQuestions.h"

namespace {

constexpr uint32_t kWheel = 0x020A;

MouseEvent Wheel(int32_t x, int32_t y, int16_t delta = 120) {
  return {kWheel, x, y, static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16U};
}

// Notches and clicks over one window add up while the worker is busy; each
// window keeps its own, and clicks count by whether they are odd.
TEST(ProgramVolumeRequests, AddUpPerWindowAndDropWhatCancelsOut) {
  ProgramVolumeRequests requests;
  EXPECT_TRUE(requests.Add({0xA, 1, 0, 4}));
  EXPECT_TRUE(requests.Add({0xA, 1, 1, 4}));
  EXPECT_TRUE(requests.Add({0xB, -1, 0, 4}));
  EXPECT_TRUE(requests.Add({0xC, 1, 1, 4}));
  EXPECT_TRUE(requests.Add({0xC, -1, 1, 4}));  // back where it was, clicked twice
  EXPECT_TRUE(requests.Add({0xD, -40000, 0, 20}));
  EXPECT_FALSE(requests.Add({0xE, 1, 0, 4})) << "every slot waits for another window";
  std::array<ProgramVolumeRequest, kProgramVolumeSlots> taken;
  ASSERT_EQ(requests.TakeAll(taken), 3U);
  EXPECT_EQ(taken[0], (ProgramVolumeRequest{0xA, 2, 1, 4}));
  EXPECT_EQ(taken[1], (ProgramVolumeRequest{0xB, -1, 0, 4}));
  EXPECT_EQ(taken[2].steps, -30000) << "held within the slot";
  EXPECT_EQ(requests.TakeAll(taken), 0U);
  EXPECT_TRUE(requests.Add({0xFFFFFFFF, 1, 0, 2})) << "free again";
}

// The program's sessions: its process's and those of processes of the same
// file name, never the system sounds; all go to the highest level plus the
// step, a step unmutes, an odd click mutes unless all were muted.
TEST(ProgramSound, SessionsOfTheProgramMoveTogetherFromTheHighest) {
  DesktopQuestions names;
  const std::vector<SoundSession> sessions{
      {10, L"browser.exe", false, 0.30F, false},  // the window's process
      {11, L"Browser.EXE", false, 0.50F, true},   // its child, muted
      {10, L"browser.exe", true, 0.90F, false},   // the system sounds
      {12, L"player.exe", false, 0.70F, false},   // another program
      {13, L"", false, 0.95F, false},             // a process whose name cannot be read
  };
  const ProgramSoundChange up = ChangeProgramSound(10, L"browser.exe", sessions, {1, 2, 0, 4}, names);
  EXPECT_EQ(up.sessions, (std::vector<size_t>{0, 1}));
  EXPECT_EQ(up.percent, 58);
  EXPECT_FLOAT_EQ(up.level, 0.58F);
  EXPECT_TRUE(up.setsLevel);
  EXPECT_FALSE(up.muted) << "a step unmutes";

  EXPECT_EQ(ChangeProgramSound(10, L"browser.exe", sessions, {1, -20, 0, 4}, names).percent, 0);
  EXPECT_EQ(ChangeProgramSound(10, L"browser.exe", sessions, {1, 20, 0, 4}, names).percent, 100);
  const ProgramSoundChange click = ChangeProgramSound(10, L"browser.exe", sessions, {1, 0, 1, 2}, names);
  EXPECT_TRUE(click.muted) << "one was playing";
  EXPECT_FALSE(click.setsLevel) << "a click keeps each level";
  std::vector<SoundSession> allMuted = sessions;
  allMuted[0].muted = true;
  EXPECT_FALSE(ChangeProgramSound(10, L"browser.exe", allMuted, {1, 0, 1, 2}, names).muted);
  EXPECT_TRUE(ChangeProgramSound(14, L"editor.exe", sessions, {1, 1, 0, 2}, names).sessions.empty())
      << "a program that plays nothing";
  EXPECT_EQ(ChangeProgramSound(13, L"", sessions, {1, 1, 0, 2}, names).sessions, (std::vector<size_t>{4}))
      << "its own process counts without a name";
}

// While exactly the program's keys are held, a turn anywhere and a middle
// click act on the program under the pointer and reach no window; they come
// before KeyWheel's same keys, IgnorePrograms stops them, full screen not.
TEST(CornerWheel, TheProgramKeyStepsAndMutesThePointersProgram) {
  CornerSnapshot snapshot{ComputeCornerZones(1920, 1080), Settings{}};
  snapshot.settings.volumeStep = 6;
  snapshot.settings.keyWheelModifiers = kCtrl;
  snapshot.settings.appKeyWheelModifiers = kCtrl;
  CornerWheel wheel(snapshot);
  DesktopQuestions asked;
  asked.isFullScreen = true;
  asked.held = kCtrl;
  const WheelStep step = asked.Ask(wheel, Wheel(0, 0, -120));
  EXPECT_EQ(step.kind, WheelStep::Kind::ProgramVolume) << "before KeyWheel and the corner";
  EXPECT_FALSE(step.up);
  EXPECT_EQ(step.stepPercent, 6);
  EXPECT_TRUE(step.swallow);
  EXPECT_TRUE(step.maskModifier);
  EXPECT_TRUE(asked.Ask(wheel, Wheel(960, 540, 60)).swallow) << "half a notch is kept too";
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 540, 60)).kind, WheelStep::Kind::ProgramVolume);
  const WheelStep press = asked.Ask(wheel, {kMiddleButtonDown, 960, 540, 0});
  EXPECT_EQ(press.kind, WheelStep::Kind::ProgramMute);
  EXPECT_TRUE(press.swallow);
  asked.held = 0;
  EXPECT_TRUE(asked.Ask(wheel, {kMiddleButtonUp, 960, 540, 0}).swallow) << "its release, whatever is held then";
  EXPECT_EQ(asked.Ask(wheel, {kMiddleButtonDown, 960, 540, 0}).kind, WheelStep::Kind::None);
  EXPECT_EQ(asked.Ask(wheel, Wheel(960, 540)).kind, WheelStep::Kind::None) << "without the keys";

  snapshot.settings.ignorePrograms = L"player.exe";
  wheel.Take(snapshot);
  asked.held = kCtrl;
  EXPECT_FALSE(asked.Ask(wheel, Wheel(960, 540)).swallow) << "the player in front stops it";
  EXPECT_FALSE(asked.Ask(wheel, {kMiddleButtonDown, 960, 540, 0}).swallow);
}

}  // namespace
