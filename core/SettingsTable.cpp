#include "core/SettingsTable.h"

#include <iterator>

#include "core/IniText.h"
#include "core/Language.h"
#include "core/ValueText.h"

namespace {

struct SettingRow {
  const wchar_t* key;
  bool Settings::*flag;       // a boolean setting, or
  int32_t Settings::*number;  // a number setting, read by `parse`
  int32_t (*parse)(std::wstring_view text);
  const wchar_t* defaultText;
  bool read;     // taken from the file
  bool written;  // set by a save
};

constexpr SettingRow Flag(const wchar_t* key, bool Settings::*member, const wchar_t* byDefault, bool read = true,
                          bool written = true) {
  return {key, member, nullptr, nullptr, byDefault, read, written};
}
constexpr SettingRow Number(const wchar_t* key, int32_t Settings::*member, const wchar_t* byDefault) {
  return {key, nullptr, member, &ParseInt32, byDefault, true, true};
}
// A setting the dialog does not show, read through its own rule and never written.
constexpr SettingRow Kept(const wchar_t* key, int32_t Settings::*member, int32_t (*parse)(std::wstring_view)) {
  return {key, nullptr, member, parse, L"", true, false};
}

// In the order a new file lists them.
constexpr SettingRow kSettingRows[] = {
    // Whether the program starts at logon is whether its shortcut exists: written
    // for the user's information only.
    Flag(L"AutoRun", &Settings::startAtLogon, L"false", false),
    Flag(L"Sound", &Settings::stepSound, L"false"),
    Flag(L"DisableFunctionWhenFullScreen", &Settings::pauseInFullScreen, L"true"),
    Number(L"LTControll", &Settings::topLeft, L"2"),
    Number(L"LBControll", &Settings::bottomLeft, L"1"),
    Number(L"RTControll", &Settings::topRight, L"2"),
    Number(L"RBControll", &Settings::bottomRight, L"1"),
    Number(L"Interval", &Settings::volumeInterval, L"100"),
    Flag(L"AllScreens", &Settings::allScreens, L"false"),
    // Not in the Settings dialog, which keeps it as it keeps every key it does not know.
    Flag(L"BrightnessIndicator", &Settings::brightnessIndicator, L"true", true, false),
    Kept(L"Language", &Settings::language, &ParseLanguageChoice),
};

void Assign(Settings& settings, const SettingRow& row, std::wstring_view text) {
  if (row.flag != nullptr) {
    settings.*row.flag = ParseBool(text);
  } else {
    settings.*row.number = row.parse(text);
  }
}

}  // namespace

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

void WriteSettingsText(std::wstring& text, const Settings& settings) {
  for (const SettingRow& row : kSettingRows) {
    if (!row.written) continue;
    ini::SetValue(text, row.key,
                  row.flag != nullptr ? FormatBool(settings.*row.flag) : FormatInt32(settings.*row.number));
  }
}
