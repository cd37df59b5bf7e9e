#include "core/CornerChoice.h"

#include <gtest/gtest.h>

#include "core/CornerWheel.h"

namespace {

const CornerZones kFullHd = ComputeCornerZones(1920, 1080);  // 150, 1770, 61, 1019

Settings Corners(int32_t lt, int32_t lb, int32_t rt, int32_t rb) {
  Settings settings;
  settings.topLeft = lt;
  settings.bottomLeft = lb;
  settings.topRight = rt;
  settings.bottomRight = rb;
  return settings;
}

const Settings kDistinct = Corners(11, 12, 13, 14);

TEST(CornerAt, EachCornerHandsOnItsOwnCode) {
  EXPECT_EQ(CornerAt(0, 0, kFullHd, kDistinct).action, 11);
  EXPECT_EQ(CornerAt(0, 1079, kFullHd, kDistinct).action, 12);
  EXPECT_EQ(CornerAt(1919, 0, kFullHd, kDistinct).action, 13);
  EXPECT_EQ(CornerAt(1919, 1079, kFullHd, kDistinct).action, 14);
  EXPECT_EQ(CornerAt(0, 0, kFullHd, Settings{}).action, 2);
  EXPECT_EQ(CornerAt(1919, 1079, kFullHd, Settings{}).action, 1);
}

TEST(CornerAt, LimitsAreInclusive) {
  EXPECT_EQ(CornerAt(150, 61, kFullHd, kDistinct).action, 11);
  EXPECT_EQ(CornerAt(151, 61, kFullHd, kDistinct).action, 0);
  EXPECT_EQ(CornerAt(150, 62, kFullHd, kDistinct).action, 0);
  EXPECT_EQ(CornerAt(1770, 61, kFullHd, kDistinct).action, 13);
  EXPECT_EQ(CornerAt(1769, 61, kFullHd, kDistinct).action, 0);
  EXPECT_EQ(CornerAt(1770, 1019, kFullHd, kDistinct).action, 14);
  EXPECT_EQ(CornerAt(1769, 1019, kFullHd, kDistinct).action, 0);
  EXPECT_EQ(CornerAt(1770, 1018, kFullHd, kDistinct).action, 0);
  EXPECT_EQ(CornerAt(150, 1019, kFullHd, kDistinct).action, 12);
  EXPECT_EQ(CornerAt(150, 1018, kFullHd, kDistinct).action, 0);
}

TEST(CornerAt, NothingBetweenTheBandsOrTheZones) {
  for (const int32_t x : {0, 150, 960, 1770, 1919}) EXPECT_EQ(CornerAt(x, 540, kFullHd, kDistinct).action, 0) << x;
  EXPECT_EQ(CornerAt(960, 0, kFullHd, kDistinct).action, 0);
  EXPECT_EQ(CornerAt(960, 1079, kFullHd, kDistinct).action, 0);
}

TEST(CornerAt, OffTheMonitorIsNeverACorner) {
  // A monitor to the left, above or to the right: its top band is no corner of the primary one.
  for (const auto& [x, y] : {std::pair{-1920, -5}, {-300, 1500}, {3000, 10}, {-1, 0}, {1920, 0}, {0, -1}, {0, 1080}}) {
    EXPECT_EQ(CornerAt(x, y, kFullHd, kDistinct).action, 0) << x << ", " << y;
  }
}

// The primary monitor, a 1280 x 1024 monitor left of it and raised by 200, and a
// 2560 x 1440 one right of it: their shared edges have corners on both sides.
const ScreenZones kThreeScreens = ComputeScreenZones({1, {{0, 0, 1920, 1080}, {-1280, -200, 0, 824}, {1920, 0, 4480, 1440}}});

Settings AllScreens(Settings settings) {
  settings.allScreens = true;
  return settings;
}

TEST(CornerAt, EveryMonitorHasItsCornersOnlyWhenAskedFor) {
  EXPECT_EQ(CornerAt(1919, 0, kThreeScreens, kDistinct).action, 13);
  EXPECT_EQ(CornerAt(1920, 0, kThreeScreens, kDistinct).action, 0) << "by default, the primary monitor alone";
  EXPECT_EQ(CornerAt(-1, -200, kThreeScreens, kDistinct).action, 0);

  const Settings all = AllScreens(kDistinct);
  const CornerHit rightOfEdge = CornerAt(1920, 0, kThreeScreens, all);
  EXPECT_EQ(rightOfEdge.action, 11) << "the top-left corner of the right-hand monitor";
  EXPECT_EQ(rightOfEdge.screen, 2);
  const CornerHit leftOfEdge = CornerAt(1919, 0, kThreeScreens, all);
  EXPECT_EQ(leftOfEdge.action, 13);
  EXPECT_EQ(leftOfEdge.screen, 0);
  EXPECT_EQ(CornerAt(-1, -200, kThreeScreens, all).corner, ScreenCorner::TopRight);
  EXPECT_EQ(CornerAt(-1, -200, kThreeScreens, all).screen, 1);
  EXPECT_EQ(CornerAt(-1280, 823, kThreeScreens, all).corner, ScreenCorner::BottomLeft);
  // The limits of a monitor that is not at 0,0 are inclusive as on the primary one.
  EXPECT_EQ(CornerAt(1920 + 200, 1440 - 1, kThreeScreens, all).action, 12);
  EXPECT_EQ(CornerAt(1920 + 201, 1440 - 1, kThreeScreens, all).action, 0);
  EXPECT_EQ(CornerAt(-1280 + 100, -200 + 58, kThreeScreens, all).action, 11);
  EXPECT_EQ(CornerAt(-1280 + 100, -200 + 59, kThreeScreens, all).action, 0);
  // Stacked: a monitor below the primary one.
  const ScreenZones stacked = ComputeScreenZones({1, {{0, 0, 1920, 1080}, {0, 1080, 1920, 2160}}});
  EXPECT_EQ(CornerAt(0, 1079, stacked, all).screen, 0);
  EXPECT_EQ(CornerAt(0, 1080, stacked, all).screen, 1);
  EXPECT_EQ(CornerAt(0, 1080, stacked, all).corner, ScreenCorner::TopLeft);
  EXPECT_EQ(CornerAt(960, 1080, stacked, all).action, 0);
}

TEST(CornerAt, UnconfiguredCornerNeverClaimsButOddCodesDo) {
  EXPECT_EQ(CornerAt(0, 0, kFullHd, Corners(0, 12, 13, 14)).action, 0);
  // On a one-pixel-wide screen both zones overlap: the left corner is tried first,
  // and a code that does nothing still claims the turn.
  const CornerZones narrow = ComputeCornerZones(1, 1080);
  EXPECT_EQ(CornerAt(0, 0, narrow, Corners(3, 0, 1, 0)).action, 3);
  EXPECT_EQ(CornerAt(0, 0, narrow, Corners(0, 0, 1, 0)).action, 0);
  EXPECT_EQ(CornerAt(1, 0, narrow, Corners(0, 0, 1, 0)).action, 0) << "off the monitor";
  // A top band reaching the bottom band is tried first.
  const CornerZones tiny = ComputeCornerZones(1920, 1);
  EXPECT_EQ(CornerAt(0, 0, tiny, kDistinct).action, 11);
}

TEST(CornerAt, NamesTheCornerThatClaimsTheTurn) {
  EXPECT_EQ(CornerAt(0, 0, kFullHd, kDistinct).corner, ScreenCorner::TopLeft);
  EXPECT_EQ(CornerAt(1919, 0, kFullHd, kDistinct).corner, ScreenCorner::TopRight);
  EXPECT_EQ(CornerAt(0, 1079, kFullHd, kDistinct).corner, ScreenCorner::BottomLeft);
  EXPECT_EQ(CornerAt(1919, 1079, kFullHd, kDistinct).corner, ScreenCorner::BottomRight);
}

}  // namespace
