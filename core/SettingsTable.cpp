#include "core/SettingsTable.h"

#include <algorithm>

#include "core/IniText.h"
#include "core/Language.h"
#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "res/resource.h"

namespace {

constexpr SettingRow Flag(const wchar_t* key, bool Settings::*member, const wchar_t* byDefault, int checkBox) {
  return {key, member, nullptr, nullptr, byDefault, nullptr, {}, true, true, {ControlKind::CheckBox, checkBox}};
}
constexpr SettingRow Number(const wchar_t* key, int32_t Settings::*member, const wchar_t* byDefault,
                            SettingControl control, NumberRange range = {}) {
  return {key, nullptr, member, nullptr, byDefault, nullptr, range, true, true, control};
}
constexpr SettingRow Text(const wchar_t* key, std::wstring Settings::*member, int control,
                          ControlKind kind = ControlKind::TextBox) {
  return {key, nullptr, nullptr, member, L"", nullptr, {}, true, true, {kind, control}};
}

// 2 is brightness; anything else the default, volume: a held key never keeps
// turns from the windows to do nothing with them.
int32_t ParseKeyWheelAction(std::wstring_view text) {
  return ParseInt32(text) == ActionCode(CornerAction::Brightness) ? ActionCode(CornerAction::Brightness)
                                                                 : ActionCode(CornerAction::Volume);
}

constexpr SettingRow Action(const wchar_t* key, int32_t Settings::*member, const wchar_t* byDefault, int list) {
  return Number(key, member, byDefault, {ControlKind::ActionList, list});
}

constexpr SettingRow kSettingRows[] = {
    // Whether the program starts at logon is whether its shortcut exists: written
    // for the user's information only, never read.
    {L"AutoRun", &Settings::startAtLogon, nullptr, nullptr, L"false", nullptr, {}, false, true,
     {ControlKind::CheckBox, IDC_AUTORUN_CHECK}},
    Flag(L"Sound", &Settings::stepSound, L"false", IDC_SOUND_CHECK),
    Flag(L"DisableFunctionWhenFullScreen", &Settings::pauseInFullScreen, L"true", IDC_FULLSCREEN_CHECK),
    Action(L"LTControll", &Settings::topLeft, L"2", IDC_LT_COMBO),
    Action(L"LBControll", &Settings::bottomLeft, L"1", IDC_LB_COMBO),
    Action(L"RTControll", &Settings::topRight, L"2", IDC_RT_COMBO),
    Action(L"RBControll", &Settings::bottomRight, L"1", IDC_RB_COMBO),
    Number(L"Interval", &Settings::volumeInterval, L"100",
           {ControlKind::IntervalSlider, IDC_INTERVAL_SLIDER, IDC_INTERVAL_TEXT}),
    Flag(L"AllScreens", &Settings::allScreens, L"false", IDC_ALLSCREENS_CHECK),
    Text(L"IgnorePrograms", &Settings::ignorePrograms, IDC_IGNORE_EDIT),
    Text(L"ActInFullScreen", &Settings::actInFullScreen, IDC_ACT_EDIT),
    Flag(L"MiddleClickMute", &Settings::middleClickMute, L"false", IDC_MUTE_CHECK),
    // Each press of the volume key moves the volume by 2 %.
    Number(L"VolumeStep", &Settings::volumeStep, L"2",
           {ControlKind::NumberBox, IDC_VOLUME_STEP_EDIT, IDC_VOLUME_STEP_SPIN}, {2, 20, 2}),
    Number(L"BrightnessStep", &Settings::brightnessStep, L"2",
           {ControlKind::NumberBox, IDC_BRIGHTNESS_STEP_EDIT, IDC_BRIGHTNESS_STEP_SPIN}, {1, 20, 1}),
    Action(L"Taskbar", &Settings::taskbar, L"0", IDC_TASKBAR_COMBO),
    Action(L"LeftEdge", &Settings::leftEdge, L"0", IDC_LEFT_EDGE_COMBO),
    Action(L"RightEdge", &Settings::rightEdge, L"0", IDC_RIGHT_EDGE_COMBO),
    Action(L"TopEdge", &Settings::topEdge, L"0", IDC_TOP_EDGE_COMBO),
    Action(L"BottomEdge", &Settings::bottomEdge, L"0", IDC_BOTTOM_EDGE_COMBO),
    Text(L"KeyWheel", &Settings::keyWheel, IDC_HELD_KEY_COMBO, ControlKind::HeldKeyList),
    {L"KeyWheelAction", nullptr, &Settings::keyWheelAction, nullptr, L"1", &ParseKeyWheelAction, {}, true, true,
     {ControlKind::VolumeOrBrightnessList, IDC_HELD_ACTION_COMBO}},
    Text(L"BrightnessUpKey", &Settings::brightnessUpKey, IDC_BRIGHTER_KEY, ControlKind::HotKeyField),
    Text(L"BrightnessDownKey", &Settings::brightnessDownKey, IDC_DARKER_KEY, ControlKind::HotKeyField),
    // Not in the Settings dialog, which keeps them as it keeps every key it does not know.
    {L"BrightnessIndicator", &Settings::brightnessIndicator, nullptr, nullptr, L"true", nullptr, {}, true, false, {}},
    {L"Language", nullptr, &Settings::language, nullptr, L"", &ParseLanguageChoice, {}, true, false, {}},
};

void Assign(Settings& settings, const SettingRow& row, std::wstring_view text) {
  if (row.flag != nullptr) {
    settings.*row.flag = ParseBool(text);
  } else if (row.number != nullptr) {
    settings.*row.number = ReadNumber(row, text);
  } else {
    settings.*row.text = text;
  }
}

std::wstring ValueText(const Settings& settings, const SettingRow& row) {
  if (row.flag != nullptr) return FormatBool(settings.*row.flag);
  if (row.number != nullptr) return FormatInt32(settings.*row.number);
  return OneLineValue(settings.*row.text);  // a line break would start a line of its own in the file
}

}  // namespace

std::span<const SettingRow> SettingRows() { return kSettingRows; }

int32_t NumberWithin(const SettingRow& row, int64_t value) {
  const NumberRange& range = row.range;
  if (range.step <= 0) return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
  const int64_t within = std::clamp<int64_t>(value, range.minimum, range.maximum);
  return static_cast<int32_t>(within - (within - range.minimum) % range.step);
}

int32_t ReadNumber(const SettingRow& row, std::wstring_view text) {
  if (row.range.step <= 0) return row.parse != nullptr ? row.parse(text) : ParseInt32(text);
  int32_t value = 0;
  if (!ParseNumber(text, value)) ParseNumber(row.defaultText, value);
  return NumberWithin(row, value);
}

Settings::Settings() {
  for (const SettingRow& row : kSettingRows) Assign(*this, row, row.defaultText);
}

Settings SettingsFromText(std::wstring_view text, bool autoRun) {
  Settings settings;
  for (const SettingRow& row : kSettingRows) {
    if (row.read) Assign(settings, row, ini::GetValue(text, row.key, row.defaultText));
  }
  settings.startAtLogon = autoRun;
  return settings;
}

void WriteSettingsText(std::wstring& text, const Settings& settings, KeysWritten keys) {
  constexpr std::wstring_view kMissing = L"\n";  // no value read from a file holds a line break
  for (const SettingRow& row : kSettingRows) {
    if (row.written) {
      ini::SetValue(text, row.key, ValueText(settings, row));
    } else if (keys == KeysWritten::Every && ini::GetValue(text, row.key, kMissing) == kMissing) {
      ini::SetValue(text, row.key, row.defaultText);
    }
  }
}
