#pragma once
// The user's whole configuration as the running program uses it.
#include <cstdint>

// What a wheel turn does in a corner; the code is also the item's index in the
// Settings dialog's corner lists.
enum class CornerAction : int32_t { None = 0, Volume = 1, Brightness = 2 };

constexpr int32_t ActionCode(CornerAction action) { return static_cast<int32_t>(action); }

struct Settings {
  bool startAtLogon = false;  // the start-up shortcut exists; never read from the file
  bool stepSound = false;     // a short sound after each volume step
  bool pauseInFullScreen = true;
  // Corner codes are kept as read: any value other than the three above does nothing.
  int32_t topLeft = ActionCode(CornerAction::Brightness);
  int32_t bottomLeft = ActionCode(CornerAction::Volume);
  int32_t topRight = ActionCode(CornerAction::Brightness);
  int32_t bottomRight = ActionCode(CornerAction::Volume);
  int32_t volumeInterval = 100;  // least milliseconds between two volume steps
  bool brightnessIndicator = true;  // show the level after each brightness step

  friend bool operator==(const Settings&, const Settings&) = default;
};
