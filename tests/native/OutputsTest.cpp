#include "core/Outputs.h"

#include <gtest/gtest.h>

#include "tests/native/DesktopQuestions.h"

namespace {

// The key goes round the chosen names present now, in their order, or round
// every output in Windows' order; from an output outside the round it goes
// to the round's first.
TEST(Outputs, TheKeyGoesRoundTheChosenOutputsPresentOrEveryOne) {
  DesktopQuestions names;
  std::vector<OutputDevice> outputs{{L"a", L"Speakers", false}, {L"b", L"Headphones", true}, {L"c", L"Monitor", false}};
  EXPECT_EQ(NextOutput(outputs, {}, names), 2U);
  outputs[1].isDefault = false;
  outputs[2].isDefault = true;
  EXPECT_EQ(NextOutput(outputs, {}, names), 0U) << "round after the last";

  const std::vector<std::wstring> chosen = OutputNames(L" monitor | Headset||SPEAKERS ");
  EXPECT_EQ(chosen, (std::vector<std::wstring>{L"monitor", L"Headset", L"SPEAKERS"}));
  EXPECT_EQ(JoinOutputNames(chosen), L"monitor|Headset|SPEAKERS");
  EXPECT_EQ(NextOutput(outputs, chosen, names), 0U) << "the headset is absent: skipped";
  outputs[2].isDefault = false;
  outputs[0].isDefault = true;
  EXPECT_EQ(NextOutput(outputs, chosen, names), 2U) << "round to the first chosen";
  outputs[0].isDefault = false;
  outputs[1].isDefault = true;
  EXPECT_EQ(NextOutput(outputs, chosen, names), 2U) << "from one not chosen, the first chosen";
  EXPECT_EQ(NextOutput(outputs, OutputNames(L"Headset"), names), kNoOutput) << "none chosen is present";
  EXPECT_EQ(NextOutput(std::span<const OutputDevice>{}, {}, names), kNoOutput);
}

}  // namespace
