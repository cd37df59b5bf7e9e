#include "core/WheelActions.h"

#include "res/resource.h"

namespace {

constexpr WheelAction kActions[] = {
    {kActionNone, IDS_CORNER_NONE, kOfferedInZones, StepKind::None},
    {kActionVolume, IDS_CORNER_VOLUME, kOfferedInZones | kOfferedOnHeldKey, StepKind::Volume},
    {kActionBrightness, IDS_CORNER_BRIGHTNESS, kOfferedInZones | kOfferedOnHeldKey, StepKind::Brightness},
};

}  // namespace

std::span<const WheelAction> WheelActions() { return kActions; }

const WheelAction* ActionOf(int32_t code) {
  for (const WheelAction& action : kActions) {
    if (action.code == code) return &action;
  }
  return nullptr;
}
