#include "app/BrightnessKeys.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <utility>
#include <vector>

namespace {

// A registry where some keys are another program's already.
struct RecordingRegistry final : KeyRegistry {
  std::map<int, HotKey> registered;
  HotKey taken{};
  bool Register(int id, const HotKey& key) override {
    if (key == taken) return false;
    registered[id] = key;
    return true;
  }
  void Unregister(int id) override { registered.erase(id); }
};

// A key another program holds is named, and the other one works; new
// settings put their keys in place of the old ones, and none stays behind. A
// key that would take typing, or Windows', or the same key twice is never
// registered, and each is named with its cause.
TEST(BrightnessKeys, KeysThatCannotWorkAreNamedWithTheirCauseAndTheOtherWorks) {
  RecordingRegistry registry;
  registry.taken = ParseHotKey(L"Ctrl+Alt+Up");
  Settings settings;
  settings.brightnessUpKey = L"ctrl+alt+up";
  settings.brightnessDownKey = L"Ctrl+Alt+Down";
  BrightnessKeys keys;
  EXPECT_EQ(keys.Take(settings, registry),
            (std::vector<KeyFault>{{L"BrightnessUpKey", L"ctrl+alt+up", HotKeyProblem::Taken}}));
  ASSERT_EQ(registry.registered.size(), 1U);
  EXPECT_EQ(registry.registered[BrightnessKeys::kDarker], ParseHotKey(L"Ctrl+Alt+Down"));

  settings.brightnessUpKey = L"Win+F1";
  settings.brightnessDownKey = L"";
  EXPECT_TRUE(keys.Take(settings, registry).empty());
  ASSERT_EQ(registry.registered.size(), 1U) << "the old down key went";
  EXPECT_EQ(registry.registered[BrightnessKeys::kBrighter], (HotKey{kWin, VK_F1}));
  keys.Release();
  EXPECT_TRUE(registry.registered.empty());

  const std::pair<const wchar_t*, const wchar_t*> refused[] = {
      {L"A", L"Shift+B"}, {L"Alt+F4", L"Ctrl+Ctrl"}, {L"Ctrl+Alt+Up", L"ctrl+alt+UP"}};
  const std::vector<KeyFault> expected[] = {
      {{L"BrightnessUpKey", L"A", HotKeyProblem::NeedsModifier},
       {L"BrightnessDownKey", L"Shift+B", HotKeyProblem::NeedsModifier}},
      {{L"BrightnessUpKey", L"Alt+F4", HotKeyProblem::Reserved},
       {L"BrightnessDownKey", L"Ctrl+Ctrl", HotKeyProblem::Unknown}},
      {{L"BrightnessDownKey", L"ctrl+alt+UP", HotKeyProblem::Doubled}}};
  registry.taken = {};
  for (size_t i = 0; i < std::size(refused); ++i) {
    settings.brightnessUpKey = refused[i].first;
    settings.brightnessDownKey = refused[i].second;
    EXPECT_EQ(keys.Take(settings, registry), expected[i]) << i;
    EXPECT_EQ(registry.registered.size(), i == 2 ? 1U : 0U) << "only the first of a doubled key is in";
  }
  EXPECT_EQ(BrightnessKeys::StepsOf(BrightnessKeys::kBrighter), 1);
  EXPECT_EQ(BrightnessKeys::StepsOf(BrightnessKeys::kDarker), -1);
  EXPECT_EQ(BrightnessKeys::StepsOf(99), 0);
}

}  // namespace
