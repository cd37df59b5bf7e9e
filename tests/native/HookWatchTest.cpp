#include "core/HookWatch.h"

#include <gtest/gtest.h>

namespace {

TEST(HookWatch, OnlyMouseInputTheHookMissedCounts) {
  const HookCheck previous{50'000, 7, 100, 200};
  EXPECT_FALSE(MouseInputMissed(previous, {60'000, 7, 100, 200}, 55'000)) << "typing: the pointer stayed";
  EXPECT_FALSE(MouseInputMissed(previous, {60'000, 9, 300, 200}, 55'000)) << "the hook saw the moves";
  EXPECT_FALSE(MouseInputMissed(previous, {60'000, 7, 300, 200}, 49'000)) << "moved without input (by a program)";
  EXPECT_TRUE(MouseInputMissed(previous, {60'000, 7, 300, 200}, 55'000));
  EXPECT_TRUE(MouseInputMissed(previous, {60'000, 7, 100, 201}, 50'001));
  // Across the wrap of the 32-bit tick.
  const HookCheck beforeWrap{0xFFFF'FF00U, 1, 0, 0};
  EXPECT_TRUE(MouseInputMissed(beforeWrap, {5'000, 1, 1, 0}, 2'000));
  EXPECT_FALSE(MouseInputMissed(beforeWrap, {5'000, 1, 1, 0}, 0xFFFF'FE00U));
}

// A keyboard hook the system removed shows as typing that neither hook saw.
TEST(HookWatch, TypingNoHookSawCountsOnlyWhileAKeyboardHookIsIn) {
  const HookCheck previous{50'000, 7, 100, 200, true, 30};
  EXPECT_TRUE(KeyInputMissed(previous, {60'000, 7, 100, 200, true, 30}, 55'000));
  EXPECT_FALSE(KeyInputMissed(previous, {60'000, 7, 100, 200, true, 34}, 55'000)) << "the hook saw the keys";
  EXPECT_FALSE(KeyInputMissed(previous, {60'000, 9, 100, 200, true, 30}, 55'000)) << "a click the mouse hook saw";
  EXPECT_FALSE(KeyInputMissed(previous, {60'000, 7, 300, 200, true, 30}, 55'000)) << "the mouse rule's case";
  EXPECT_FALSE(KeyInputMissed(previous, {60'000, 7, 100, 200, true, 30}, 49'000)) << "no input";
  EXPECT_FALSE(KeyInputMissed({50'000, 7, 100, 200, false, 0}, {60'000, 7, 100, 200, true, 0}, 55'000))
      << "no keyboard hook at the last check";
}

TEST(HookWatch, RetriesBackOffToAMinute) {
  EXPECT_EQ(HookRetryDelayMs(0), 2000U);
  EXPECT_EQ(HookRetryDelayMs(1), 4000U);
  EXPECT_EQ(HookRetryDelayMs(4), 32000U);
  EXPECT_EQ(HookRetryDelayMs(5), 60000U);
  EXPECT_EQ(HookRetryDelayMs(1000), 60000U);
}

TEST(HookWatch, ChecksGrowApartWhileAReinstallBringsNoEventsBack) {
  EXPECT_EQ(NextHookCheckPeriodMs(kHookCheckPeriodMs, false, false), kHookCheckPeriodMs);
  EXPECT_EQ(NextHookCheckPeriodMs(kHookCheckPeriodMs, false, true), 20000U);
  EXPECT_EQ(NextHookCheckPeriodMs(160000, false, true), kLongestHookCheckPeriodMs);
  EXPECT_EQ(NextHookCheckPeriodMs(kLongestHookCheckPeriodMs, false, true), kLongestHookCheckPeriodMs);
  EXPECT_EQ(NextHookCheckPeriodMs(80000, false, false), 80000U) << "a quiet check keeps the period";
  EXPECT_EQ(NextHookCheckPeriodMs(kLongestHookCheckPeriodMs, true, false), kHookCheckPeriodMs);
}

}  // namespace
