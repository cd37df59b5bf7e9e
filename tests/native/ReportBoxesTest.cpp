#include "core/ReportBoxes.h"

#include <gtest/gtest.h>

namespace {

struct Report {
  int error;
  int code;
  friend bool operator==(const Report&, const Report&) = default;
};

TEST(ReportBoxes, OneBoxAtATimeAndNoRepeatOfTheOneOnScreen) {
  ReportBoxes<Report> boxes;
  const Report sendFailed{2, 5};
  const Report other{2, 87};
  const Report missing{1, 0};
  EXPECT_TRUE(boxes.Arrived(sendFailed));
  EXPECT_FALSE(boxes.Arrived(sendFailed)) << "identical to the box on screen: dropped";
  EXPECT_FALSE(boxes.Arrived(other));
  EXPECT_FALSE(boxes.Arrived(missing));  // the latest waiting report wins
  EXPECT_EQ(boxes.Closed(), missing);
  EXPECT_FALSE(boxes.Arrived(missing));
  EXPECT_EQ(boxes.Closed(), std::nullopt);
  EXPECT_TRUE(boxes.Arrived(sendFailed)) << "after the box closed, the same failure may show again";
}

}  // namespace
