#include "app/HookKeeper.h"

#include <gtest/gtest.h>

#include "tests/support/Input.h"
#include "tests/windows/HookFixture.h"

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
