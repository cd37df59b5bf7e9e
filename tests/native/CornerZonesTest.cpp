#include "core/CornerZones.h"

#include <gtest/gtest.h>

namespace {

struct Resolution {
  int32_t width;
  int32_t height;
  CornerZones expected;  // leftMaxX, rightMinX, topMaxY, bottomMinY, the monitor
};

class CornerZonesTest : public ::testing::TestWithParam<Resolution> {};

TEST_P(CornerZonesTest, LimitsFollowFromOneProductPerAxis) {
  const Resolution& r = GetParam();
  EXPECT_EQ(ComputeCornerZones(r.width, r.height), r.expected) << r.width << " x " << r.height;
}

INSTANTIATE_TEST_SUITE_P(CommonModes, CornerZonesTest,
                         ::testing::Values(Resolution{1920, 1080, {150, 1770, 61, 1019, {0, 0, 1920, 1080}}},
                                           Resolution{1366, 768, {106, 1260, 44, 724, {0, 0, 1366, 768}}},
                                           Resolution{2560, 1440, {200, 2360, 81, 1359, {0, 0, 2560, 1440}}},
                                           Resolution{1280, 1024, {100, 1180, 58, 966, {0, 0, 1280, 1024}}},
                                           Resolution{3840, 2160, {300, 3540, 121, 2039, {0, 0, 3840, 2160}}}));

// Heights whose double product is a whole number must not lose a row to truncation.
TEST(CornerZonesEdges, ExactProductsKeepTheirWholeValue) {
  EXPECT_EQ(ComputeCornerZones(1920, 1000).bottomMinY, 944);
  EXPECT_EQ(ComputeCornerZones(1920, 1000).topMaxY, 56);
  EXPECT_EQ(ComputeCornerZones(1920, 1250).bottomMinY, 1180);
  EXPECT_EQ(ComputeCornerZones(1920, 1250).topMaxY, 70);
}

// Every monitor's zones by the same rule, from its own size and position.
TEST(CornerZonesEdges, MonitorsAnywhereGetTheZonesOfTheirSize) {
  const ScreenZones layout = ComputeScreenZones({1, {{0, 0, 1920, 1080}, {-1280, -200, 0, 824}, {1920, 1080, 4480, 2520}}});
  ASSERT_EQ(layout.count, 3);
  EXPECT_EQ(layout.screens[0], ComputeCornerZones(1920, 1080));
  const CornerZones left = layout.screens[1];  // 1280 x 1024, left of the primary and above it
  EXPECT_EQ(std::vector<int32_t>({left.leftMaxX, left.rightMinX, left.topMaxY, left.bottomMinY}),
            (std::vector<int32_t>{-1280 + 100, -100, -200 + 58, -200 + 966}));
  const CornerZones far = layout.screens[2];  // 2560 x 1440, below and right of it
  EXPECT_EQ(std::vector<int32_t>({far.leftMaxX, far.rightMinX, far.topMaxY, far.bottomMinY}),
            (std::vector<int32_t>{1920 + 200, 1920 + 2360, 1080 + 81, 1080 + 1359}));
  std::vector<ScreenRect> many(kMostScreens + 3, ScreenRect{0, 0, 800, 600});
  EXPECT_EQ(ComputeScreenZones({1, many}).count, kMostScreens);
}

TEST(CornerZonesEdges, OnePixelWideScreen) {
  const CornerZones zones = ComputeCornerZones(1, 1080);
  EXPECT_EQ(zones.leftMaxX, 0);
  EXPECT_EQ(zones.rightMinX, 1);
}

}  // namespace
