#pragma once
// The settings as config.ini holds them and the Settings dialog shows them.
// One table (in the .cpp) lists each setting once: its key, as users' files
// spell it ("Controll" included), the member it fills, its default text, its
// rule, whether it is read from the file and written to it, and the dialog
// control that shows it. The file and the dialog read a value by the same
// rule. Adding a setting is adding a row.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Settings.h"

// How the Settings dialog shows a setting.
enum class ControlKind : uint8_t {
  None,            // not in the dialog, which keeps the file's value
  CheckBox,        // a flag
  ActionList,      // a zone's action, from the actions offered in zones
  IntervalSlider,  // a number on a slider, shown beside it in `partner`
  NumberBox,       // a number typed, or stepped by the up-down control `partner`
  TextBox,         // a line of text
  HeldKeyList,     // the modifiers to hold, from HeldKeyChoices(), written as their names
  HeldActionList,  // a held key's action, from the actions offered on a held key
  HotKeyField,     // a key with its modifiers, written as its name
  OutputList,      // output names to tick, among the outputs there are now, written joined by "|"
};

struct SettingControl {
  ControlKind kind = ControlKind::None;
  int id = 0;       // the control's id in the Settings dialog
  int partner = 0;  // a second control that belongs to it, or 0
};

// A number kept within a range: whole steps from `minimum` up to `maximum`.
// A number outside is taken at the nearer end, one between two steps at the
// step below it; text that is no number, and an empty value, is the default.
struct NumberRange {
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t step = 0;  // 0: any number goes, as ParseInt32 reads it
};

// What README.md and README.txt say of a setting. Built into the docs tool
// alone (BRIMLET_SETTING_DOCS): the program itself carries none of it.
struct SettingDoc {
  const wchar_t* meaning = nullptr;    // README's key table, English: what it does
  const wchar_t* byDefault = nullptr;  // README: the default as users read it
  const wchar_t* values = nullptr;     // README: the values it takes
  const wchar_t* chinese = nullptr;    // README.txt's list, Chinese; "\n" between its lines
  const wchar_t* english = nullptr;    // README.txt's list, English
};

constexpr SettingDoc Doc([[maybe_unused]] const wchar_t* meaning, [[maybe_unused]] const wchar_t* byDefault,
                         [[maybe_unused]] const wchar_t* values, [[maybe_unused]] const wchar_t* chinese,
                         [[maybe_unused]] const wchar_t* english) {
#if defined(BRIMLET_SETTING_DOCS)
  return {meaning, byDefault, values, chinese, english};
#else
  return {};
#endif
}

struct SettingRow {
  const wchar_t* key;
  bool Settings::*flag;          // a boolean setting, or
  int32_t Settings::*number;     // a number setting, or
  std::wstring Settings::*text;  // a text setting
  const wchar_t* defaultText;
  int32_t (*parse)(std::wstring_view text);  // a number without a range; null: ParseInt32
  NumberRange range;
  bool read;     // taken from the file
  bool written;  // set by a save
  SettingControl control;
  uint8_t Settings::*modifiers = nullptr;  // a held key's text read as modifiers, once, with the text
  SettingDoc doc{};

  constexpr SettingRow Documented(const SettingDoc& documentation) const {
    SettingRow row = *this;
    row.doc = documentation;
    return row;
  }
};

// Every setting, in the order a new file lists them; stored files have them in
// this order, so a new row goes at the end.
std::span<const SettingRow> SettingRows();

// A number setting's value for `text`, by its row's rule.
int32_t ReadNumber(const SettingRow& row, std::wstring_view text);
// `value` within the row's range (unchanged for a number without one).
int32_t NumberWithin(const SettingRow& row, int64_t value);
// The row's setting makes something act: an action other than none, a held
// key, a global key.
bool RowActs(const SettingRow& row, const Settings& settings);

// The record a settings text describes: each key read from the text where it
// has a value, from its default text where not. `autoRun` is whether the
// start-up shortcut exists; the file's own key for it is never read.
Settings SettingsFromText(std::wstring_view text, bool autoRun);

// Which keys a write sets: those a save sets, or (for a new file, which lists
// every key there is) also the others, at their defaults where they are missing.
enum class KeysWritten : uint8_t { Saved, Every };

// Sets every written key of `settings` in `text`, in table order (new keys are
// added in that order); everything else in the text stays as it is.
void WriteSettingsText(std::wstring& text, const Settings& settings, KeysWritten keys = KeysWritten::Saved);
