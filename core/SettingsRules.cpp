#include "core/SettingsRules.h"

#include "core/IniText.h"
#include "core/KeyNames.h"

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
  // Something must act: every corner set to none is fine while the taskbar,
  // an edge, a held key or a brightness key does.
  if (ParseModifiers(settings.keyWheel) != 0 || ParseHotKey(settings.brightnessUpKey).key != 0 ||
      ParseHotKey(settings.brightnessDownKey).key != 0) {
    return OkOutcome::Save;
  }
  for (const int32_t action : {settings.topLeft, settings.bottomLeft, settings.topRight, settings.bottomRight,
                               settings.taskbar, settings.leftEdge, settings.rightEdge, settings.topEdge,
                               settings.bottomEdge}) {
    if (action != 0) return OkOutcome::Save;
  }
  return OkOutcome::RefuseNoCornerAction;
}
