#pragma once
// What the wheel does where it acts, each action declared once: its code in
// config.ini, its item in the Settings dialog's lists (a string id; the
// string tables hold both languages), the places it is offered, and the step
// it makes. A new action is a row below and what its step does.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

#include "res/resource.h"

// The codes config.ini holds.
inline constexpr int32_t kActionNone = 0;
inline constexpr int32_t kActionVolume = 1;
inline constexpr int32_t kActionBrightness = 2;

// Where an action may be chosen: the zones (corners, the taskbar, the
// edges), the wheel turned with a held key.
inline constexpr uint8_t kOfferedInZones = 0x1;
inline constexpr uint8_t kOfferedOnHeldKey = 0x2;

// The step a notch makes.
enum class StepKind : uint8_t { None, Volume, Brightness };

struct WheelAction {
  int32_t code;
  unsigned text;  // the string id of its item in the dialog's lists
  uint8_t offered;
  StepKind step;
};

// Every action, in the order the dialog's lists show them; its code is its place.
inline constexpr WheelAction kWheelActions[] = {
    {kActionNone, IDS_CORNER_NONE, kOfferedInZones, StepKind::None},
    {kActionVolume, IDS_CORNER_VOLUME, kOfferedInZones | kOfferedOnHeldKey, StepKind::Volume},
    {kActionBrightness, IDS_CORNER_BRIGHTNESS, kOfferedInZones | kOfferedOnHeldKey, StepKind::Brightness},
};
static_assert(kWheelActions[kActionVolume].code == kActionVolume && kWheelActions[kActionBrightness].code == kActionBrightness);

inline std::span<const WheelAction> WheelActions() { return kWheelActions; }
// The action of `code`; null for a code no action has (it does nothing). On
// the hook's path: one compare.
inline const WheelAction* ActionOf(int32_t code) {
  return code >= 0 && static_cast<size_t>(code) < std::size(kWheelActions) ? &kWheelActions[code] : nullptr;
}
