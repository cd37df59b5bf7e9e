#include "app/GlobalKeys.h"

#include <gtest/gtest.h>

#include <map>
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
TEST(GlobalKeys, KeysThatCannotWorkAreNamedWithTheirCauseAndTheOtherWorks) {
  RecordingRegistry registry;
  registry.taken = ParseHotKey(L"Ctrl+Alt+Up");
  Settings settings;
  settings.brightnessUpKey = L"ctrl+alt+up";
  settings.brightnessDownKey = L"Ctrl+Alt+Down";
  GlobalKeys keys;
  EXPECT_EQ(keys.Take(settings, registry),
            (std::vector<KeyFault>{{L"BrightnessUpKey", L"ctrl+alt+up", HotKeyProblem::Taken}}));
  ASSERT_EQ(registry.registered.size(), 1U);
  EXPECT_EQ(registry.registered[GlobalKeys::kDarker], ParseHotKey(L"Ctrl+Alt+Down"));

  settings.brightnessUpKey = L"Win+F1";
  settings.brightnessDownKey = L"";
  EXPECT_TRUE(keys.Take(settings, registry).empty());
  ASSERT_EQ(registry.registered.size(), 1U) << "the old down key went";
  EXPECT_EQ(registry.registered[GlobalKeys::kBrighter], (HotKey{kWin, VK_F1}));
  keys.Release();
  EXPECT_TRUE(registry.registered.empty());

  // The rule itself is the native KeyNames tests'; here, that it keeps keys out and names them.
  registry.taken = {};
  settings.brightnessUpKey = L"Ctrl+Alt+Up";
  settings.brightnessDownKey = L"A";
  EXPECT_EQ(keys.Take(settings, registry),
            (std::vector<KeyFault>{{L"BrightnessDownKey", L"A", HotKeyProblem::NeedsModifier}}));
  settings.brightnessDownKey = L"ctrl+alt+UP";
  EXPECT_EQ(keys.Take(settings, registry),
            (std::vector<KeyFault>{{L"BrightnessDownKey", L"ctrl+alt+UP", HotKeyProblem::Doubled}}));
  EXPECT_EQ(registry.registered.size(), 1U) << "only the first of a doubled key is in";

  // The output key: one of a brightness key's is doubled; where Windows
  // cannot switch outputs it is named as a key that cannot be had.
  settings.brightnessDownKey = L"";
  settings.outputKey = L"Ctrl+Alt+up";
  EXPECT_EQ(keys.Take(settings, registry),
            (std::vector<KeyFault>{{L"OutputKey", L"Ctrl+Alt+up", HotKeyProblem::Doubled}}));
  settings.outputKey = L"Ctrl+Alt+O";
  EXPECT_EQ(keys.Take(settings, registry, false),
            (std::vector<KeyFault>{{L"OutputKey", L"Ctrl+Alt+O", HotKeyProblem::Taken}}));
  EXPECT_TRUE(keys.Take(settings, registry, true).empty());
  EXPECT_EQ(registry.registered[GlobalKeys::kNextOutput], ParseHotKey(L"Ctrl+Alt+O"));
  EXPECT_EQ(GlobalKeys::StepsOf(GlobalKeys::kBrighter), 1);
  EXPECT_EQ(GlobalKeys::StepsOf(GlobalKeys::kDarker), -1);
  EXPECT_EQ(GlobalKeys::StepsOf(99), 0);
}

}  // namespace
