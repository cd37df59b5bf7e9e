#include "core/CornerZones.h"

#include <gtest/gtest.h>

namespace {

struct Resolution {
  int32_t width;
  int32_t height;
  CornerZones expected;  // leftMaxX, rightMinX, topMaxY, bottomMinY
};

class CornerZonesTest : public ::testing::TestWithParam<Resolution> {};

TEST_P(CornerZonesTest, LimitsFollowFromOneProductPerAxis) {
  const Resolution& r = GetParam();
  EXPECT_EQ(ComputeCornerZones(r.width, r.height), r.expected) << r.width << " x " << r.height;
}

INSTANTIATE_TEST_SUITE_P(CommonModes, CornerZonesTest,
                         ::testing::Values(Resolution{1920, 1080, {150, 1770, 61, 1019}},
                                           Resolution{1366, 768, {106, 1260, 44, 724}},
                                           Resolution{2560, 1440, {200, 2360, 81, 1359}},
                                           Resolution{1280, 1024, {100, 1180, 58, 966}},
                                           Resolution{3840, 2160, {300, 3540, 121, 2039}}));

// Heights whose double product is a whole number must not lose a row to truncation.
TEST(CornerZonesEdges, ExactProductsKeepTheirWholeValue) {
  EXPECT_EQ(ComputeCornerZones(1920, 1000).bottomMinY, 944);
  EXPECT_EQ(ComputeCornerZones(1920, 1000).topMaxY, 56);
  EXPECT_EQ(ComputeCornerZones(1920, 1250).bottomMinY, 1180);
  EXPECT_EQ(ComputeCornerZones(1920, 1250).topMaxY, 70);
}

TEST(CornerZonesEdges, OnePixelWideScreen) {
  const CornerZones zones = ComputeCornerZones(1, 1080);
  EXPECT_EQ(zones.leftMaxX, 0);
  EXPECT_EQ(zones.rightMinX, 1);
}

}  // namespace
