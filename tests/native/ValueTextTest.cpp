#include "core/ValueText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ParseInt32, ReadsDigitsUpToTheFirstOtherCharacter) {
  EXPECT_EQ(ParseInt32(L"100"), 100);
  EXPECT_EQ(ParseInt32(L"50ms"), 50);
  EXPECT_EQ(ParseInt32(L"7abc"), 7);
  EXPECT_EQ(ParseInt32(L"-5"), -5);
  EXPECT_EQ(ParseInt32(L"+42"), 42);
  EXPECT_EQ(ParseInt32(L" \t 12"), 12);
  EXPECT_EQ(ParseInt32(L"0012"), 12);
  EXPECT_EQ(ParseInt32(L"1 2"), 1);
}

TEST(ParseInt32, NoDigitsGiveZero) {
  EXPECT_EQ(ParseInt32(L""), 0);
  EXPECT_EQ(ParseInt32(L"abc"), 0);
  EXPECT_EQ(ParseInt32(L"-"), 0);
  EXPECT_EQ(ParseInt32(L"+-1"), 0);
  EXPECT_EQ(ParseInt32(L"\x0661"), 0);  // not an ASCII digit
}

TEST(ParseInt32, OverflowClampsToTheLimits) {
  EXPECT_EQ(ParseInt32(L"2147483647"), kMax);
  EXPECT_EQ(ParseInt32(L"2147483648"), kMax);
  EXPECT_EQ(ParseInt32(L"-2147483648"), kMin);
  EXPECT_EQ(ParseInt32(L"-2147483649"), kMin);
  EXPECT_EQ(ParseInt32(L"99999999999999999999999999999999"), kMax);
  EXPECT_EQ(ParseInt32(L"-99999999999999999999999999999999"), kMin);
}

TEST(ParseBool, OnlyExactWordsAreWords) {
  EXPECT_TRUE(ParseBool(L"true"));
  EXPECT_FALSE(ParseBool(L"false"));
  EXPECT_FALSE(ParseBool(L"TRUE"));
  EXPECT_FALSE(ParseBool(L"True"));
  EXPECT_FALSE(ParseBool(L"yes"));
  EXPECT_FALSE(ParseBool(L""));
}

TEST(ParseBool, OtherTextCountsByItsNumber) {
  EXPECT_TRUE(ParseBool(L"1"));
  EXPECT_TRUE(ParseBool(L"7abc"));
  EXPECT_TRUE(ParseBool(L"-1"));
  EXPECT_FALSE(ParseBool(L"0"));
  EXPECT_FALSE(ParseBool(L"true ;remark"));
}

TEST(FormatValues, DecimalWithoutPlusOrLeadingZeros) {
  EXPECT_EQ(FormatInt32(0), L"0");
  EXPECT_EQ(FormatInt32(250), L"250");
  EXPECT_EQ(FormatInt32(-5), L"-5");
  EXPECT_EQ(FormatInt32(kMin), L"-2147483648");
  EXPECT_EQ(FormatInt64(INT64_MIN), L"-9223372036854775808");
  EXPECT_EQ(FormatInt64(4294967295), L"4294967295");
  EXPECT_EQ(FormatBool(true), L"true");
  EXPECT_EQ(FormatBool(false), L"false");
  for (const int32_t value : {kMin, -1, 0, 1, 535, kMax}) EXPECT_EQ(ParseInt32(FormatInt32(value)), value);
}

}  // namespace
