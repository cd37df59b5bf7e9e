// The volume of the program under the pointer, through the stand-in Core
// Audio (run-with-stand-in-sound.sh): this driver's window is the program,
// with a session on each output, one of them in a second process of the same
// file; another program's session and the system sounds must stay as they are.
#include <cmath>
#include <string>

#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/e2e/StandInSound.h"
#include "tests/e2e/WatchedWindow.h"
#include "tests/support/Input.h"

namespace {

class ProgramVolumeTest : public BrimletTest {
 protected:
  void SetUp() override {
    BrimletTest::SetUp();
    m_sound = OpenStandInSound(m_mapping);
    ASSERT_NE(m_sound, nullptr);
    // A second process of this very file, as a browser's child that plays.
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --gtest_list_tests";
    ASSERT_TRUE(::CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                                 &startup, &m_child));
  }
  void TearDown() override {
    ::TerminateProcess(m_child.hProcess, 0);
    ::CloseHandle(m_child.hThread);
    ::CloseHandle(m_child.hProcess);
    ::UnmapViewOfFile(m_sound);
    ::CloseHandle(m_mapping);
    BrimletTest::TearDown();
  }
  void PlaySessions(DWORD otherProgram) {
    const DWORD self = ::GetCurrentProcessId();
    m_sound->sessions[0] = {self, 0, 0, 0.30F, 0};
    m_sound->sessions[1] = {m_child.dwProcessId, 1, 0, 0.50F, 0};
    m_sound->sessions[2] = {otherProgram, 1, 0, 0.70F, 0};
    m_sound->sessions[3] = {self, 0, 1, 0.90F, 0};  // the system sounds
    m_sound->count = 4;
  }
  bool LevelsBecome(float level, bool muted) const {
    return WaitUntil(
        [&] {
          return std::fabs(m_sound->sessions[0].level - level) < 0.001F &&
                 std::fabs(m_sound->sessions[1].level - level) < 0.001F &&
                 (m_sound->sessions[0].muted != 0) == muted && (m_sound->sessions[1].muted != 0) == muted;
        },
        5000);
  }
  void ExpectOthersUntouched() const {
    EXPECT_FLOAT_EQ(m_sound->sessions[2].level, 0.70F);
    EXPECT_FLOAT_EQ(m_sound->sessions[3].level, 0.90F);
    EXPECT_EQ(m_sound->sessions[2].muted + m_sound->sessions[3].muted, 0U);
  }
  HANDLE m_mapping = nullptr;
  StandInSound* m_sound = nullptr;
  PROCESS_INFORMATION m_child{};
  KeyWatcher m_keys;
};

constexpr wchar_t kProgramKeyCtrl[] =
    L"[Brimlet]\nLTControll = 0\nLBControll = 0\nRTControll = 0\nRBControll = 0\nVolumeStep = 4\nAppKeyWheel = Ctrl\n";

// Ctrl and a notch over the window step its program's sessions together from
// the highest; the window gets no turn, no volume key goes out, the level
// shows; a plain notch is the window's; middle clicks mute and unmute.
TEST_F(ProgramVolumeTest, ANotchWithTheKeyStepsTheProgramUnderThePointer) {
  WriteConfig(kProgramKeyCtrl);
  auto brimlet = Start();
  PlaySessions(brimlet->pid());  // after Brimlet started: sessions that come later count
  const WatchedWindow window;
  PointerAt(960, 540);
  SendAll({KeyEvent(VK_CONTROL, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120), KeyEvent(VK_CONTROL, true)});
  ASSERT_TRUE(LevelsBecome(0.54F, false)) << m_sound->sessions[0].level << " " << m_sound->sessions[1].level;
  ExpectOthersUntouched();
  EXPECT_TRUE(brimlet->IndicatorSays(L"brimlet_e2e.exe 54%"));

  WheelAt(960, 540, -120);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::wheels() >= 1; }));
  EXPECT_EQ(WatchedWindow::ctrlWheels(), 0) << "the window got the notch turned with Ctrl";
  EXPECT_FLOAT_EQ(m_sound->sessions[0].level, 0.54F) << "a plain notch is the window's";

  SendAll({KeyEvent(VK_CONTROL, false), MouseAt(960, 540, MOUSEEVENTF_MIDDLEDOWN),
           MouseAt(960, 540, MOUSEEVENTF_MIDDLEUP), KeyEvent(VK_CONTROL, true)});
  ASSERT_TRUE(LevelsBecome(0.54F, true));
  EXPECT_TRUE(brimlet->IndicatorSays(L"brimlet_e2e.exe 已静音"));
  SendAll({KeyEvent(VK_CONTROL, false), MouseAt(960, 540, MOUSEEVENTF_MIDDLEDOWN),
           MouseAt(960, 540, MOUSEEVENTF_MIDDLEUP), KeyEvent(VK_CONTROL, true)});
  ASSERT_TRUE(LevelsBecome(0.54F, false));
  ExpectOthersUntouched();
  EXPECT_EQ(WatchedWindow::middles(), 0) << "the clicks reached the window";
  EXPECT_EQ(m_keys.Count(), 0U) << "no system volume key";
}

// Over a program that plays nothing (this driver, once its sessions are
// gone) a notch changes nothing, steps no system volume, and the indicator
// says so.
TEST_F(ProgramVolumeTest, AProgramThatPlaysNothingChangesNothing) {
  WriteConfig(kProgramKeyCtrl);
  auto brimlet = Start();
  PlaySessions(brimlet->pid());
  m_sound->sessions[0] = m_sound->sessions[2];  // another program's only
  m_sound->count = 1;
  const WatchedWindow window;
  PointerAt(960, 540);
  SendAll({KeyEvent(VK_CONTROL, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120), KeyEvent(VK_CONTROL, true)});
  EXPECT_TRUE(brimlet->IndicatorSays(L"brimlet_e2e.exe 没有播放声音"));
  EXPECT_FLOAT_EQ(m_sound->sessions[0].level, 0.70F);
  EXPECT_EQ(m_sound->sessions[0].muted, 0U);
  EXPECT_EQ(WatchedWindow::ctrlWheels(), 0) << "the window got the notch";
  EXPECT_EQ(m_keys.Count(), 0U) << "no system volume key";
}

}  // namespace
