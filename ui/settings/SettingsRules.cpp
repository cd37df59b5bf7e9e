#include "ui/settings/SettingsRules.h"

int SnapInterval(int position) {
  int remainder = position % kIntervalSliderStep;
  if (remainder < 0) remainder += kIntervalSliderStep;
  return position - remainder;
}

OkOutcome DecideOk(bool changed, const Settings& settings) {
  if (!changed) return OkOutcome::KeepEverything;
  if (settings.LTControll == 0 && settings.LBControll == 0 && settings.RTControll == 0 &&
      settings.RBControll == 0) {
    return OkOutcome::RefuseNoCornerAction;
  }
  return OkOutcome::Save;
}
