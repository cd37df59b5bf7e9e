#include "core/ZoneChoice.h"

#include <gtest/gtest.h>

#include "core/CornerWheel.h"
#include "tests/native/DesktopQuestions.h"

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
  const ZoneHit rightOfEdge = CornerAt(1920, 0, kThreeScreens, all);
  EXPECT_EQ(rightOfEdge.action, 11) << "the top-left corner of the right-hand monitor";
  EXPECT_EQ(rightOfEdge.screen, 2);
  const ZoneHit leftOfEdge = CornerAt(1919, 0, kThreeScreens, all);
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

// An edge is the outermost pixel row or column of a monitor, where the
// pointer stops; where another monitor adjoins, the pointer crosses and there
// is no edge. One pixel in is no edge.
TEST(EdgeAt, TheOutermostPixelsWhereThePointerStops) {
  Settings edges;
  edges.topEdge = 11;
  edges.bottomEdge = 12;
  edges.leftEdge = 13;
  edges.rightEdge = 14;
  const ScreenZones one(kFullHd);
  const struct {
    int32_t x;
    int32_t y;
    int32_t action;
  } points[] = {{960, 0, 11}, {960, 1079, 12}, {0, 540, 13}, {1919, 540, 14}, {0, 0, 11},
                {960, 1, 0},  {960, 1078, 0},  {1, 540, 0},  {1918, 540, 0}, {960, 540, 0}};
  for (const auto& point : points) {
    EXPECT_EQ(EdgeAt(point.x, point.y, one, edges).action, point.action) << point.x << "," << point.y;
  }
  EXPECT_EQ(EdgeAt(0, 540, one, edges).edge, ScreenEdge::Left);
  EXPECT_EQ(EdgeAt(1919, 1000, one, edges).corner, ScreenCorner::BottomRight) << "the level shows nearest";
  edges.topEdge = 0;
  EXPECT_EQ(EdgeAt(0, 0, one, edges).action, 13) << "an edge set to none leaves the other one there";
  EXPECT_EQ(EdgeAt(960, 0, one, edges).action, 0);

  // A primary of 1366 x 768, and a second monitor of 1280 x 1024 left of it.
  const ScreenZones desk = ComputeScreenZones({1, {{0, 0, 1366, 768}, {-1280, 0, 0, 1024}}});
  edges.topEdge = 11;
  EXPECT_EQ(EdgeAt(0, 400, desk, edges).action, 0) << "the second monitor adjoins the primary's left side";
  EXPECT_EQ(EdgeAt(-1, 900, desk, edges).action, 0) << "by default the primary monitor alone has edges";
  const Settings all = AllScreens(edges);
  EXPECT_EQ(EdgeAt(-1, 400, desk, all).action, 0) << "the primary adjoins the second's right side up to 768";
  EXPECT_EQ(EdgeAt(-1, 900, desk, all).action, 14) << "below the primary the pointer stops there";
  EXPECT_EQ(EdgeAt(-1, 900, desk, all).screen, 1);
  EXPECT_EQ(EdgeAt(-1280, 400, desk, all).action, 13);
  EXPECT_EQ(EdgeAt(1365, 400, desk, all).action, 14);
}

TEST(Zones, StripsNearestCornersAndOutermostLines) {
  const ScreenRect second{-1280, 0, 0, 1024};
  EXPECT_EQ(OutermostLine(second, ScreenEdge::Bottom), (ScreenRect{-1280, 1023, 0, 1024}));
  EXPECT_EQ(OutermostLine(second, ScreenEdge::Left), (ScreenRect{-1280, 0, -1279, 1024}));
  EXPECT_EQ(NearestCorner(-641, 511, second), ScreenCorner::TopLeft);
  EXPECT_EQ(NearestCorner(-640, 512, second), ScreenCorner::BottomRight);
  const ScreenZones zones = ComputeScreenZones({1, {{0, 0, 1920, 1080}}}, {OutermostLine({0, 0, 1920, 1080}, ScreenEdge::Bottom)});
  EXPECT_TRUE(OnTaskbarStrip(960, 1079, zones));
  EXPECT_FALSE(OnTaskbarStrip(960, 1078, zones));
  EXPECT_EQ(ScreenAt(960, 1080, zones), -1);
  const ScreenRect primary{0, 0, 1920, 1080};
  EXPECT_EQ(SideOf({0, 1078, 1920, 1126}, primary), ScreenEdge::Bottom) << "auto-hidden, mostly below";
  EXPECT_EQ(SideOf({-60, 0, 2, 1080}, primary), ScreenEdge::Left);
}

// An auto-hidden taskbar comes back along any side: its strip is that side's
// outermost line, and the wheel's decision counts it where the desktop shows
// no taskbar under the pointer (the bar is hidden there).
TEST(Zones, AutoHideStripsLieAlongEverySideAndCountForTheWheel) {
  const ScreenRect primary{0, 0, 1920, 1080};
  EXPECT_EQ(OutermostLine(primary, ScreenEdge::Right), (ScreenRect{1919, 0, 1920, 1080}));
  EXPECT_EQ(OutermostLine(primary, ScreenEdge::Top), (ScreenRect{0, 0, 1920, 1}));
  EXPECT_EQ(SideOf({1918, 0, 1980, 1080}, primary), ScreenEdge::Right);
  EXPECT_EQ(SideOf({0, -46, 1920, 2}, primary), ScreenEdge::Top);

  CornerSnapshot snapshot{ComputeScreenZones({1, {primary}}, {OutermostLine(primary, ScreenEdge::Right)}), Settings{}};
  snapshot.settings.taskbar = 1;
  snapshot.settings.volumeInterval = 0;
  CornerWheel wheel(snapshot);
  DesktopQuestions asked;
  asked.taskbar = {};  // hidden: no taskbar window under the pointer
  EXPECT_EQ(asked.Ask(wheel, {0x020A, 1919, 540, 120U << 16U}).kind, WheelStep::Kind::Volume) << "on the strip";
  EXPECT_EQ(asked.Ask(wheel, {0x020A, 1918, 540, 120U << 16U}).kind, WheelStep::Kind::None);
}

}  // namespace
