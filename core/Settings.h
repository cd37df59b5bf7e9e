#pragma once
// The user's whole configuration as the running program uses it.
#include <cstdint>
#include <string>

// What a wheel turn does in a zone (a corner, the taskbar, an edge); the code
// is also the item's index in the Settings dialog's lists of actions.
enum class CornerAction : int32_t { None = 0, Volume = 1, Brightness = 2 };

constexpr int32_t ActionCode(CornerAction action) { return static_cast<int32_t>(action); }

struct Settings {
  // Every setting at its default, as the key table gives it.
  Settings();

  bool startAtLogon{};  // the start-up shortcut exists; never read from the file
  bool stepSound{};     // a short sound after each volume step
  bool pauseInFullScreen{};
  // Corner codes are kept as read: any value other than the three above does nothing.
  int32_t topLeft{};
  int32_t bottomLeft{};
  int32_t topRight{};
  int32_t bottomRight{};
  int32_t volumeInterval{};      // least milliseconds between two volume steps
  bool brightnessIndicator{};    // show the level after each brightness step
  bool allScreens{};             // corners on every monitor, not only the primary one
  std::wstring ignorePrograms;   // program file names: while one is in front, no corner acts
  std::wstring actInFullScreen;  // program file names whose full-screen windows pause nothing
  bool middleClickMute{};        // a middle click in a volume corner mutes
  int32_t volumeStep{};          // percent per notch: even, 2 to 20
  int32_t brightnessStep{};      // percent per notch: 1 to 20
  int32_t language{};            // a LanguageChoice; not in the Settings dialog
  // The taskbars' and the screen's edges' actions, codes as the corners'.
  int32_t taskbar{};
  int32_t leftEdge{};
  int32_t rightEdge{};
  int32_t topEdge{};
  int32_t bottomEdge{};
  // A held key: the modifiers ("Ctrl+Shift") that make the wheel act anywhere,
  // and what it does then (1 volume, 2 brightness); the keys that step the
  // brightness of the monitor under the pointer ("Ctrl+Alt+Up").
  std::wstring keyWheel;
  int32_t keyWheelAction{};
  std::wstring brightnessUpKey;
  std::wstring brightnessDownKey;

  friend bool operator==(const Settings&, const Settings&) = default;
};
