#pragma once
// Key names in config.ini (spelled as users' files have them, "Controll" included)
// and the text each key is read with when the file lacks it.
namespace SettingKey {
inline constexpr wchar_t AutoRun[] = L"AutoRun";
inline constexpr wchar_t Sound[] = L"Sound";
inline constexpr wchar_t DisableFunctionWhenFullScreen[] = L"DisableFunctionWhenFullScreen";
inline constexpr wchar_t LTControll[] = L"LTControll";
inline constexpr wchar_t LBControll[] = L"LBControll";
inline constexpr wchar_t RTControll[] = L"RTControll";
inline constexpr wchar_t RBControll[] = L"RBControll";
inline constexpr wchar_t Interval[] = L"Interval";
}  // namespace SettingKey

namespace SettingDefaultText {
inline constexpr wchar_t Sound[] = L"false";
inline constexpr wchar_t DisableFunctionWhenFullScreen[] = L"true";
inline constexpr wchar_t LTControll[] = L"2";
inline constexpr wchar_t LBControll[] = L"1";
inline constexpr wchar_t RTControll[] = L"2";
inline constexpr wchar_t RBControll[] = L"1";
inline constexpr wchar_t Interval[] = L"100";
}  // namespace SettingDefaultText
