#pragma once
// The user's whole configuration as the running program uses it.
#include <cstdint>
#include <string>

struct Settings {
  // Every setting at its default, as the key table gives it.
  Settings();

  bool startAtLogon{};  // the start-up shortcut exists; never read from the file
  bool stepSound{};     // a short sound after each volume step
  bool pauseInFullScreen{};
  // Action codes (core/WheelActions.h), kept as read: a code no action has does nothing.
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
  // as written and as read (0: none, or a text that names none), and the
  // action it takes then; the keys that step the brightness of the monitor
  // under the pointer ("Ctrl+Alt+Up").
  std::wstring keyWheel;
  uint8_t keyWheelModifiers{};
  int32_t keyWheelAction{};
  std::wstring brightnessUpKey;
  std::wstring brightnessDownKey;
  // The modifiers to hold for the wheel to step the volume of the program
  // under the pointer, as KeyWheel; and whether that program's new level shows.
  std::wstring appKeyWheel;
  uint8_t appKeyWheelModifiers{};
  bool levelIndicator{};
  // A key that moves the default output to the next one, and the outputs it
  // goes round ("Speakers|Headphones"; empty: every one).
  std::wstring outputKey;
  std::wstring outputDevices;

  friend bool operator==(const Settings&, const Settings&) = default;
};
