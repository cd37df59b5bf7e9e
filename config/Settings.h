#pragma once
// The user's whole configuration as the running program uses it.
#include <cstdint>

// What a wheel turn does in a corner; the code is also the item's index in the
// Settings dialog's corner lists.
enum class CornerAction : int32_t { None = 0, Volume = 1, Brightness = 2 };

constexpr int32_t ActionCode(CornerAction action) { return static_cast<int32_t>(action); }

struct Settings {
  bool AutoRun = false;  // the start-up shortcut exists; never read from the file
  bool Sound = false;
  bool DisableFunctionWhenFullScreen = true;
  // Corner codes are kept as read: any value other than the three above does nothing.
  int32_t LTControll = ActionCode(CornerAction::Brightness);
  int32_t LBControll = ActionCode(CornerAction::Volume);
  int32_t RTControll = ActionCode(CornerAction::Brightness);
  int32_t RBControll = ActionCode(CornerAction::Volume);
  int32_t Interval = 100;  // least milliseconds between two volume steps

  friend bool operator==(const Settings&, const Settings&) = default;
};
