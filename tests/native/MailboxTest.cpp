#include "core/Mailbox.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(Mailbox, KeepsTheFirstOrTheLatestValueUntilTaken) {
  struct Small {
    int16_t value;
    uint8_t kind;
  };
  Mailbox<Small> box;
  Small taken{};
  EXPECT_FALSE(box.Take(taken));
  EXPECT_TRUE(box.PutIfEmpty({0, 0})) << "a value of all zeros still counts";
  EXPECT_FALSE(box.PutIfEmpty({7, 1}));
  ASSERT_TRUE(box.Take(taken));
  EXPECT_EQ(taken.value, 0);
  EXPECT_FALSE(box.Take(taken)) << "taken once";
  box.Replace({-3, 2});
  box.Replace({-4, 9});
  ASSERT_TRUE(box.Take(taken));
  EXPECT_EQ(taken.value, -4);
  EXPECT_EQ(taken.kind, 9);
}

}  // namespace
