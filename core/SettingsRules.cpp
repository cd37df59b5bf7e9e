#include "core/SettingsRules.h"

#include "core/IniText.h"
#include "core/SettingsTable.h"

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
  for (const SettingRow& row : SettingRows()) {
    if (RowActs(row, settings)) return OkOutcome::Save;
  }
  return OkOutcome::RefuseNoCornerAction;
}
