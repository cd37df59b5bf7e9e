#pragma once
// Keys as config.ini names them: modifiers joined by "+" ("Ctrl+Shift"), and
// a key with its modifiers ("Ctrl+Alt+Up"). Names in any case, blanks around
// them ignored; written back in one spelling and order.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Modifier bits, as RegisterHotKey takes them (MOD_ALT, MOD_CONTROL, MOD_SHIFT,
// MOD_WIN); left or right key alike.
inline constexpr uint8_t kAlt = 0x1;
inline constexpr uint8_t kCtrl = 0x2;
inline constexpr uint8_t kShift = 0x4;
inline constexpr uint8_t kWin = 0x8;

// Shift, Ctrl, Alt or Win, left, right or either (Windows virtual-key codes).
constexpr bool IsModifierKey(uint32_t virtualKey) {
  return (virtualKey >= 0x10 && virtualKey <= 0x12) || (virtualKey >= 0xA0 && virtualKey <= 0xA5) ||
         virtualKey == 0x5B || virtualKey == 0x5C;
}

// The modifiers down, asking `down` of each key by its virtual-key code (the
// keyboard as it is now, or as the message being handled saw it).
template <class IsDown>
uint8_t ModifiersDown(IsDown down) {
  uint8_t modifiers = 0;
  if (down(0x11)) modifiers |= kCtrl;   // VK_CONTROL
  if (down(0x12)) modifiers |= kAlt;    // VK_MENU
  if (down(0x10)) modifiers |= kShift;  // VK_SHIFT
  if (down(0x5B) || down(0x5C)) modifiers |= kWin;  // VK_LWIN, VK_RWIN
  return modifiers;
}

// The modifiers a text names ("Ctrl", "Alt", "Shift", "Win", joined by "+");
// 0 for an empty text, for one with a name that is none of them, and for one
// that names a modifier twice.
uint8_t ParseModifiers(std::wstring_view text);
// "Ctrl+Alt+Shift+Win" in that order, for the modifiers given; empty for none.
std::wstring FormatModifiers(uint8_t modifiers);

// The choices the Settings dialog offers for the held key, in its list's order
// (the first is none).
std::span<const uint8_t> HeldKeyChoices();

// A key with its modifiers. `key` is a Windows virtual-key code: a letter, a
// digit, F1-F24, the arrows, PageUp, PageDown, Home, End, Insert, Delete, Plus
// or Minus; 0: no key.
struct HotKey {
  uint8_t modifiers = 0;
  uint16_t key = 0;

  friend bool operator==(const HotKey&, const HotKey&) = default;
};

// The key a text names; no key for an empty text, a text without a key or with
// more than one, and a name that is none of the above.
HotKey ParseHotKey(std::wstring_view text);
// "Ctrl+Alt+Up"; empty for no key, and for a key that has no name above.
std::wstring FormatHotKey(const HotKey& key);

// Why a text cannot be a global key. A key that every program would lose from
// its typing needs Ctrl, Alt or Win (Shift alone types capitals); F13 to F24,
// which no keyboard types with, may stand alone. Keys Windows keeps for itself
// (Alt+F4, Ctrl+Alt+Delete, Win+L) are never taken from it.
// Doubled and Taken are found only when keys are registered: the same key set
// for two things, and a key another program holds.
enum class HotKeyProblem : uint8_t { None, Unknown, NeedsModifier, Reserved, Doubled, Taken };

// A key of the settings that does not work: its key in config.ini, its text as
// the settings hold it, and why.
struct KeyFault {
  std::wstring_view setting;
  std::wstring text;
  HotKeyProblem problem = HotKeyProblem::None;

  friend bool operator==(const KeyFault&, const KeyFault&) = default;
};

// The key a text names, and what keeps it from being registered: None with no
// key for an empty (or blank) text, Unknown for any other text without a key.
HotKeyProblem CheckHotKey(std::wstring_view text, HotKey& key);
HotKeyProblem CheckHotKey(const HotKey& key);
