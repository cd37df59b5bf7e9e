#pragma once
// Noticing a mouse hook the system removed without a word (it does so when a
// callback misses its time-out), from the outside: between two checks there
// was input, the pointer moved, and yet the hook saw no event. Typing alone
// never moves the pointer, so it never counts. Ticks are 32-bit milliseconds,
// compared so that their wrap every 49.7 days does not matter.
#include <cstdint>

// What one check saw.
struct HookCheck {
  uint32_t tick = 0;        // when it was made
  uint32_t hookEvents = 0;  // events the hook had seen by then
  int32_t cursorX = 0;
  int32_t cursorY = 0;
  bool keyboardHooked = false;  // a keyboard hook was in
  uint32_t keyEvents = 0;       // key events it had seen by then
};

// True when mouse input reached the system but not the hook between `previous`
// and `now`; `lastInputTick` is the system's last input time.
bool MouseInputMissed(const HookCheck& previous, const HookCheck& now, uint32_t lastInputTick);

// True when a keyboard hook is in and input reached the system between
// `previous` and `now` that neither hook saw: typing, with the pointer still
// (the keyboard hook was removed the same silent way).
bool KeyInputMissed(const HookCheck& previous, const HookCheck& now, uint32_t lastInputTick);

// Milliseconds before the next try after `failures` failed installs in a row:
// 2 s, doubling, at most a minute.
uint32_t HookRetryDelayMs(uint32_t failures);

// The check runs every 10 s. While an elevated window is in front, a hook gets
// no events although the pointer moves: after a reinstall that did not bring
// events back, the period doubles, up to 5 minutes; it is 10 s again as soon as
// a check sees events.
inline constexpr uint32_t kHookCheckPeriodMs = 10000;
inline constexpr uint32_t kLongestHookCheckPeriodMs = 300000;
uint32_t NextHookCheckPeriodMs(uint32_t period, bool hookSawEvents, bool missedAgainAfterReinstall);
