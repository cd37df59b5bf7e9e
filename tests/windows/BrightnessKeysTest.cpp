#include "app/BrightnessKeys.h"

#include <gtest/gtest.h>

#include <map>

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
// settings put their keys in place of the old ones, and none stays behind.
TEST(BrightnessKeys, AKeyAnotherProgramHoldsIsNamedAndTheOtherWorks) {
  RecordingRegistry registry;
  registry.taken = ParseHotKey(L"Ctrl+Alt+Up");
  Settings settings;
  settings.brightnessUpKey = L"ctrl+alt+up";
  settings.brightnessDownKey = L"Ctrl+Alt+Down";
  BrightnessKeys keys;
  EXPECT_EQ(keys.Take(settings, registry), L"Ctrl+Alt+Up");
  ASSERT_EQ(registry.registered.size(), 1U);
  EXPECT_EQ(registry.registered[BrightnessKeys::kDarker], ParseHotKey(L"Ctrl+Alt+Down"));

  settings.brightnessUpKey = L"Win+F1";
  settings.brightnessDownKey = L"";
  EXPECT_EQ(keys.Take(settings, registry), L"");
  ASSERT_EQ(registry.registered.size(), 1U) << "the old down key went";
  EXPECT_EQ(registry.registered[BrightnessKeys::kBrighter], (HotKey{kWin, VK_F1}));
  keys.Release();
  EXPECT_TRUE(registry.registered.empty());
  EXPECT_EQ(BrightnessKeys::StepsOf(BrightnessKeys::kBrighter), 1);
  EXPECT_EQ(BrightnessKeys::StepsOf(BrightnessKeys::kDarker), -1);
  EXPECT_EQ(BrightnessKeys::StepsOf(99), 0);
}

}  // namespace
