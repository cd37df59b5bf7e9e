#include "core/BrightnessRequests.h"

#include <gtest/gtest.h>

namespace {

std::vector<BrightnessRequest> TakeAll(BrightnessRequests& requests) {
  std::array<BrightnessRequest, kBrightnessTargets> taken{};
  return {taken.begin(), taken.begin() + static_cast<std::ptrdiff_t>(requests.TakeAll(taken))};
}

// Requests for one target add up while they wait, every field arrives as it
// was sent, opposite steps hand out nothing, and a target past the last is refused.
TEST(BrightnessRequests, StepsAddUpPerTargetAndEveryFieldArrives) {
  BrightnessRequests requests;
  const BrightnessRequest second{7, 2, 1, 5, ScreenCorner::BottomRight};
  EXPECT_TRUE(requests.Add(second));
  EXPECT_TRUE(requests.Add({7, 2, 2, 5, ScreenCorner::BottomLeft}));
  EXPECT_TRUE(requests.Add({7, kPanelAnywhere, -4, 20, ScreenCorner::TopRight}));
  const std::vector<BrightnessRequest> taken = TakeAll(requests);
  ASSERT_EQ(taken.size(), 2U);
  EXPECT_EQ(taken[0], (BrightnessRequest{7, kPanelAnywhere, -4, 20, ScreenCorner::TopRight}));
  EXPECT_EQ(taken[1], (BrightnessRequest{7, 2, 3, 5, ScreenCorner::BottomLeft})) << "the corner turned last shows it";
  EXPECT_TRUE(TakeAll(requests).empty()) << "taken once";

  requests.Add({7, 1, 1, 2, ScreenCorner::TopLeft});
  requests.Add({7, 1, -1, 2, ScreenCorner::TopLeft});
  EXPECT_TRUE(TakeAll(requests).empty()) << "steps that cancel out set nothing";

  requests.Add({7, 1, 3, 2, ScreenCorner::TopLeft});
  requests.Add({8, 1, 1, 2, ScreenCorner::TopLeft});
  const std::vector<BrightnessRequest> renewed = TakeAll(requests);
  ASSERT_EQ(renewed.size(), 1U);
  EXPECT_EQ(renewed[0].listVersion, 8U) << "a request of a new monitor list replaces the old one";
  EXPECT_EQ(renewed[0].steps, 1);

  EXPECT_FALSE(requests.Add({7, static_cast<uint8_t>(kBrightnessTargets), 1, 2, ScreenCorner::TopLeft}));
  EXPECT_TRUE(TakeAll(requests).empty());
}

// Steps past what 16 bits hold stop at +-30000, far past any level, and never
// wrap round to the other way.
TEST(BrightnessRequests, StepsBeyondTheSlotStopAtItsEnds) {
  BrightnessRequests requests;
  requests.Add({1, 1, 40000, 2, ScreenCorner::TopLeft});
  std::vector<BrightnessRequest> taken = TakeAll(requests);
  ASSERT_EQ(taken.size(), 1U);
  EXPECT_EQ(taken[0].steps, 30000);
  requests.Add({1, 1, -40000, 2, ScreenCorner::TopLeft});
  taken = TakeAll(requests);
  ASSERT_EQ(taken.size(), 1U);
  EXPECT_EQ(taken[0].steps, -30000);
}

}  // namespace
