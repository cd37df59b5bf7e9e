// A held key turns the wheel anywhere, on the bench's one screen of 1920 x
// 1080. A window of the test's own is in front, under the pointer, with a
// menu bar: it counts the wheel turns it gets (and those with Ctrl held) and
// the times Windows puts it in menu mode (as a lone Alt tap does).
#include <string>

#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/e2e/WatchedWindow.h"
#include "tests/support/Input.h"

namespace {


class KeysTest : public BrimletTest {
 protected:
  KeyWatcher m_keys;
};

// Ctrl and a notch in the middle of the screen step the volume, and the window
// under the pointer gets no wheel turn; without Ctrl it gets it and nothing
// steps; with Ctrl and Shift it gets it and nothing steps either.
TEST_F(KeysTest, CtrlAndANotchStepTheVolumeAndNoWindowScrolls) {
  WriteConfig(L"[Brimlet]\nLTControll = 0\nLBControll = 0\nRTControll = 0\nRBControll = 1\nInterval = 0\n"
              L"KeyWheel = Ctrl\n");
  auto brimlet = Start();
  const WatchedWindow window;
  SendAll({KeyEvent(VK_CONTROL, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120), KeyEvent(VK_CONTROL, true)});
  ASSERT_TRUE(m_keys.WaitForCount(1, 5000));
  EXPECT_EQ(m_keys.KeyDowns(), std::vector<DWORD>{VK_VOLUME_UP});
  // A plain notch the window gets, after the Ctrl notch it must not have got.
  WheelAt(960, 540, -120);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::wheels() >= 1; })) << "a plain notch scrolls";
  EXPECT_EQ(WatchedWindow::ctrlWheels(), 0) << "the window got the Ctrl notch";

  SendAll({KeyEvent(VK_CONTROL, false), KeyEvent(VK_SHIFT, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120),
           KeyEvent(VK_SHIFT, true), KeyEvent(VK_CONTROL, true)});
  EXPECT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::ctrlWheels() >= 1; }))
      << "with Ctrl and Shift the window gets the notch";
  WheelAt(1919, 1079, -120);
  ASSERT_TRUE(m_keys.WaitForCount(2, 5000));
  EXPECT_EQ(m_keys.KeyDowns(), (std::vector<DWORD>{VK_VOLUME_UP, VK_VOLUME_DOWN}))
      << "without Ctrl, and with Ctrl and Shift, nothing steps";
}

// Alt and a notch step the brightness (the window gets no wheel turn), and
// letting Alt go leaves the window out of menu mode; a lone Alt tap on the same
// desk does put it there, so the check can fail. (A volume step masks Alt by
// its own key; a brightness step sends none.)
TEST_F(KeysTest, AltAndANotchStepAndLettingAltGoOpensNoMenu) {
  WriteConfig(L"[Brimlet]\nLTControll = 0\nLBControll = 0\nRTControll = 0\nRBControll = 1\nInterval = 0\n"
              L"KeyWheel = Alt\nKeyWheelAction = 2\n");
  auto brimlet = Start();
  const WatchedWindow window;
  PressKey(VK_MENU);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::menuModes() == 1; })) << "a lone Alt tap";

  SendAll({KeyEvent(VK_MENU, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, 120), KeyEvent(VK_MENU, true)});
  WheelAt(960, 540, -120);  // a plain notch after it, which the window gets
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::wheels() >= 1; }));
  EXPECT_EQ(WatchedWindow::wheels(), 1) << "the window got the notch turned with Alt";
  // A second lone tap shows when the release before it has been handled.
  PressKey(VK_MENU);
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::menuModes() >= 2; }));
  EXPECT_EQ(WatchedWindow::menuModes(), 2) << "letting Alt go after a step opened the menu bar";
}

// Keys in config.ini that would take typing are never registered: every
// program still gets its letters.
TEST_F(KeysTest, KeysThatWouldTakeTypingStayWithTheWindows) {
  WriteConfig(L"[Brimlet]\nBrightnessUpKey = A\nBrightnessDownKey = Shift+B\n");
  auto brimlet = Start();
  const WatchedWindow window;
  PointerAt(960, 540);
  PressKey('B');
  PressKey('A');
  PressChord({VK_SHIFT, 'B'});
  PressChord({VK_SHIFT, 'A'});
  ASSERT_TRUE(WatchedWindow::PumpUntil([] { return WatchedWindow::typed().size() >= 4; })) << "typed: "
      << WatchedWindow::typed().size();
  EXPECT_EQ(WatchedWindow::typed(), L"baBA");
}

}  // namespace
