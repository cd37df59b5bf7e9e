// The wheel beyond the corners, on the bench's one screen of 1920 x 1080:
// over a taskbar (a stand-in, since Wine shows none) and on the edges.
#include <vector>

#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/support/StandInTaskbar.h"
#include "tests/support/Input.h"

namespace {

class ZonesTest : public BrimletTest {
 protected:
  // The volume-up keys of turns up at `points`, each followed by a turn down at
  // `sentinel`, which acts: once its key is seen, the turn before was handled.
  size_t UpsFrom(std::initializer_list<POINT> points, POINT sentinel) {
    m_keys.Clear();
    for (const POINT& point : points) {
      const size_t before = m_keys.Count();
      WheelAt(point.x, point.y, 120);
      WheelAt(sentinel.x, sentinel.y, -120);
      EXPECT_TRUE(m_keys.WaitForCount(before + 1, 5000)) << "the sentinel turn gave no key";
    }
    size_t ups = 0;
    for (const DWORD key : m_keys.KeyDowns()) ups += key == VK_VOLUME_UP ? 1 : 0;
    return ups;
  }

  KeyWatcher m_keys;
};

// A notch over the taskbar, or over a button in it, steps the volume; one in
// the middle of the screen does nothing; and without the setting, neither does
// the taskbar. A corner with an action keeps it; one set to none leaves the
// taskbar acting there.
TEST_F(ZonesTest, TheWheelOverTheTaskbarActsWhereNoCornerDoes) {
  const StandInTaskbar taskbar(L"Shell_TrayWnd", {0, 1040, 1920, 1080});
  {
    WriteConfig(L"[Brimlet]\nLTControll = 0\nLBControll = 0\nRTControll = 0\nRBControll = 1\nInterval = 0\n");
    auto brimlet = Start();
    EXPECT_EQ(UpsFrom({{960, 1060}, {200, 1060}}, {1919, 1079}), 0U) << "by default the taskbar does nothing";
  }
  WriteConfig(L"[Brimlet]\nLTControll = 0\nLBControll = 3\nRTControll = 0\nRBControll = 0\nInterval = 0\nTaskbar = 1\n");
  auto brimlet = Start();
  const POINT button = taskbar.ButtonCentre();
  // The bottom-right corner is none: the taskbar acts there, and is the sentinel.
  EXPECT_EQ(UpsFrom({{960, 1060}, button, {1919, 1040}}, {1919, 1079}), 3U);
  EXPECT_EQ(UpsFrom({{960, 540}, {960, 1039}}, {1919, 1079}), 0U) << "above the taskbar";
  EXPECT_EQ(UpsFrom({{0, 1079}, {100, 1060}}, {1919, 1079}), 0U) << "the corner of code 3 claims its turns";
}

// An edge is the outermost pixel row or column: one pixel in does nothing. A
// corner with an action keeps it on an acting edge; one set to none does not.
TEST_F(ZonesTest, EachEdgeActsOnItsOutermostPixels) {
  WriteConfig(L"[Brimlet]\nLTControll = 3\nLBControll = 0\nRTControll = 0\nRBControll = 0\nInterval = 0\n"
              L"LeftEdge = 1\nRightEdge = 1\nTopEdge = 1\nBottomEdge = 1\n");
  auto brimlet = Start();
  const POINT sentinel{960, 0};
  EXPECT_EQ(UpsFrom({{960, 0}, {960, 1079}, {0, 540}, {1919, 540}}, sentinel), 4U);
  EXPECT_EQ(UpsFrom({{960, 1}, {960, 1078}, {1, 540}, {1918, 540}}, sentinel), 0U) << "one pixel in";
  EXPECT_EQ(UpsFrom({{1919, 0}, {0, 1079}, {1919, 1079}}, sentinel), 3U) << "corners set to none";
  EXPECT_EQ(UpsFrom({{0, 0}, {5, 0}, {0, 5}}, sentinel), 0U) << "the corner of code 3 keeps its turns";
}

}  // namespace
