#pragma once
// Which language the program speaks: Chinese (Simplified) where the user's UI
// language is any Chinese, English elsewhere; the Language key ("zh" or "en")
// overrides that, anything else leaves it automatic.
#include <cstdint>
#include <string_view>

enum class LanguageChoice : int32_t { Automatic = 0, Chinese = 1, English = 2 };

// The key's text as a choice: "zh", "en", or automatic for anything else.
int32_t ParseLanguageChoice(std::wstring_view text);

// `userUiLanguage`: a LANGID, as GetUserDefaultUILanguage gives it.
bool SpeaksChinese(uint16_t userUiLanguage, int32_t choice);
