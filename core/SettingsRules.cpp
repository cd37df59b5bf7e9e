#include "core/SettingsRules.h"

int SnapInterval(int position) {
  int remainder = position % kIntervalSliderStep;
  if (remainder < 0) remainder += kIntervalSliderStep;
  return position - remainder;
}

OkOutcome DecideOk(bool changed, const Settings& settings) {
  if (!changed) return OkOutcome::KeepEverything;
  if (settings.topLeft == 0 && settings.bottomLeft == 0 && settings.topRight == 0 &&
      settings.bottomRight == 0) {
    return OkOutcome::RefuseNoCornerAction;
  }
  return OkOutcome::Save;
}
