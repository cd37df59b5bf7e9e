#include "core/KeyNames.h"

#include <algorithm>

#include "core/IniText.h"
#include "core/ValueText.h"

namespace {

struct Named {
  std::wstring_view name;
  uint16_t value;
};

constexpr Named kModifiers[] = {{L"Ctrl", kCtrl}, {L"Alt", kAlt}, {L"Shift", kShift}, {L"Win", kWin}};

// The keys with names beyond letters, digits and F-keys, by virtual-key code.
constexpr Named kKeys[] = {{L"Up", 0x26},     {L"Down", 0x28},     {L"Left", 0x25},   {L"Right", 0x27},
                           {L"PageUp", 0x21}, {L"PageDown", 0x22}, {L"Home", 0x24},   {L"End", 0x23},
                           {L"Insert", 0x2D}, {L"Delete", 0x2E},   {L"Plus", 0xBB},   {L"Minus", 0xBD}};
constexpr uint16_t kF1 = 0x70;

constexpr uint8_t kHeldKeyChoices[] = {0, kCtrl, kAlt, kShift, kWin, kCtrl | kAlt, kCtrl | kShift, kAlt | kShift, kCtrl | kWin};

wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// Calls `each` with every "+"-separated name of `text`, trimmed; false when one is empty.
template <class Each>
bool ForEachName(std::wstring_view text, Each each) {
  for (;;) {
    const size_t plus = text.find(L'+');
    const std::wstring_view name = ini::TrimValue(text.substr(0, plus));
    if (name.empty() || !each(name)) return false;
    if (plus == std::wstring_view::npos) return true;
    text.remove_prefix(plus + 1);
  }
}

uint8_t ModifierNamed(std::wstring_view name) {
  for (const Named& modifier : kModifiers) {
    if (SameName(name, modifier.name)) return static_cast<uint8_t>(modifier.value);
  }
  return 0;
}

uint16_t KeyNamed(std::wstring_view name) {
  if (name.size() == 1 && ((name[0] >= L'0' && name[0] <= L'9') || (Lower(name[0]) >= L'a' && Lower(name[0]) <= L'z'))) {
    return static_cast<uint16_t>(name[0] >= L'0' && name[0] <= L'9' ? name[0] : Lower(name[0]) - L'a' + L'A');
  }
  // F1 to F24: digits alone after the F, without a leading 0.
  const bool digits = name.size() >= 2 && name.size() <= 3 && name[1] != L'0' &&
                      std::all_of(name.begin() + 1, name.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
  if (Lower(name[0]) == L'f' && digits && ParseInt32(name.substr(1)) <= 24) {
    return static_cast<uint16_t>(kF1 + ParseInt32(name.substr(1)) - 1);
  }
  for (const Named& key : kKeys) {
    if (SameName(name, key.name)) return key.value;
  }
  return 0;
}

std::wstring KeyName(uint16_t key) {
  if ((key >= L'0' && key <= L'9') || (key >= L'A' && key <= L'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= kF1 && key < kF1 + 24) return L"F" + FormatInt32(key - kF1 + 1);
  for (const Named& named : kKeys) {
    if (named.value == key) return std::wstring(named.name);
  }
  return {};
}

}  // namespace

uint8_t ParseModifiers(std::wstring_view text) {
  uint8_t modifiers = 0;
  const bool named = ForEachName(text, [&](std::wstring_view name) {
    const uint8_t modifier = ModifierNamed(name);
    if (modifier == 0 || (modifiers & modifier) != 0) return false;  // "Ctrl+Ctrl" names nothing
    modifiers |= modifier;
    return true;
  });
  return named ? modifiers : 0;
}

std::wstring FormatModifiers(uint8_t modifiers) {
  std::wstring text;
  for (const Named& modifier : kModifiers) {
    if ((modifiers & modifier.value) == 0) continue;
    if (!text.empty()) text += L'+';
    text += modifier.name;
  }
  return text;
}

std::span<const uint8_t> HeldKeyChoices() { return kHeldKeyChoices; }

HotKey ParseHotKey(std::wstring_view text) {
  HotKey parsed;
  const bool named = ForEachName(text, [&](std::wstring_view name) {
    if (const uint8_t modifier = ModifierNamed(name)) {
      if ((parsed.modifiers & modifier) != 0) return false;  // named twice
      parsed.modifiers |= modifier;
      return true;
    }
    if (parsed.key != 0) return false;  // one key only
    parsed.key = KeyNamed(name);
    return parsed.key != 0;
  });
  return named && parsed.key != 0 ? parsed : HotKey{};
}

std::wstring FormatHotKey(const HotKey& key) {
  const std::wstring name = KeyName(key.key);
  if (name.empty()) return {};
  const std::wstring modifiers = FormatModifiers(key.modifiers);
  return modifiers.empty() ? name : modifiers + L"+" + name;
}

HotKeyProblem CheckHotKey(const HotKey& key) {
  constexpr uint16_t kF4 = kF1 + 3;
  constexpr uint16_t kF13 = kF1 + 12;
  constexpr uint16_t kDelete = 0x2E;
  if (key.key == 0) return HotKeyProblem::Unknown;
  const bool standsAlone = key.key >= kF13 && key.key < kF1 + 24;
  if ((key.modifiers & (kCtrl | kAlt | kWin)) == 0 && !standsAlone) return HotKeyProblem::NeedsModifier;
  const auto has = [&](uint8_t modifiers) { return (key.modifiers & modifiers) == modifiers; };
  if ((key.key == kF4 && has(kAlt)) || (key.key == kDelete && has(kCtrl | kAlt)) || (key.key == 'L' && has(kWin))) {
    return HotKeyProblem::Reserved;
  }
  return HotKeyProblem::None;
}

HotKeyProblem CheckHotKey(std::wstring_view text, HotKey& key) {
  key = ParseHotKey(text);
  if (ini::TrimValue(text).empty()) return HotKeyProblem::None;
  return CheckHotKey(key);
}
