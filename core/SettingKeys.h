#pragma once
// The key table: each setting's key in config.ini, spelled as users' files have
// it ("Controll" included), and the text it is read with when the file lacks it.
struct SettingKey {
  const wchar_t* name;
  const wchar_t* defaultText;  // null: never read from the file
};

inline constexpr SettingKey kStartAtLogonKey{L"AutoRun", nullptr};
inline constexpr SettingKey kStepSoundKey{L"Sound", L"false"};
inline constexpr SettingKey kPauseInFullScreenKey{L"DisableFunctionWhenFullScreen", L"true"};
inline constexpr SettingKey kTopLeftKey{L"LTControll", L"2"};
inline constexpr SettingKey kBottomLeftKey{L"LBControll", L"1"};
inline constexpr SettingKey kTopRightKey{L"RTControll", L"2"};
inline constexpr SettingKey kBottomRightKey{L"RBControll", L"1"};
inline constexpr SettingKey kVolumeIntervalKey{L"Interval", L"100"};
// Not in the Settings dialog, which keeps it as it keeps every key it does not know.
inline constexpr SettingKey kBrightnessIndicatorKey{L"BrightnessIndicator", L"true"};
