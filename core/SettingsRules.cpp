#include "core/SettingsRules.h"

#include <algorithm>

#include "core/IniText.h"
#include "core/ValueText.h"

int SnapInterval(int position) {
  int remainder = position % kIntervalSliderStep;
  if (remainder < 0) remainder += kIntervalSliderStep;
  return position - remainder;
}

int32_t ParseVolumeStep(std::wstring_view text) {
  const int32_t step = ParseInt32(text);
  return step < 2 || step > 20 ? 2 : step - step % 2;
}

int32_t ParseBrightnessStep(std::wstring_view text) {
  const int32_t step = ParseInt32(text);
  return step < 1 || step > 20 ? 2 : step;
}

int32_t DialogNumber(int32_t typed, int32_t minimum, int32_t maximum, int32_t step) {
  const int32_t within = std::clamp(typed, minimum, maximum);
  return step > 1 ? within - (within - minimum) % step : within;
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
