#include "core/SettingsRules.h"

#include "core/IniText.h"

int SnapInterval(int position) {
  int remainder = position % kIntervalSliderStep;
  if (remainder < 0) remainder += kIntervalSliderStep;
  return position - remainder;
}

std::wstring OneLineValue(std::wstring_view text) {
  std::wstring line(ini::TrimValue(text));
  for (wchar_t& c : line) {
    if (c < L' ') c = L' ';
  }
  return line;
}

OkOutcome DecideOk(bool changed, const Settings& settings) {
  if (!changed) return OkOutcome::KeepEverything;
  if (settings.topLeft == 0 && settings.bottomLeft == 0 && settings.topRight == 0 &&
      settings.bottomRight == 0) {
    return OkOutcome::RefuseNoCornerAction;
  }
  return OkOutcome::Save;
}
