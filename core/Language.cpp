#include "core/Language.h"

namespace {
constexpr uint16_t kPrimaryChinese = 0x04;  // LANG_CHINESE: Simplified and Traditional, every region
}

int32_t ParseLanguageChoice(std::wstring_view text) {
  if (text == L"zh") return static_cast<int32_t>(LanguageChoice::Chinese);
  if (text == L"en") return static_cast<int32_t>(LanguageChoice::English);
  return static_cast<int32_t>(LanguageChoice::Automatic);
}

bool SpeaksChinese(uint16_t userUiLanguage, int32_t choice) {
  if (choice == static_cast<int32_t>(LanguageChoice::Chinese)) return true;
  if (choice == static_cast<int32_t>(LanguageChoice::English)) return false;
  return (userUiLanguage & 0x3FFU) == kPrimaryChinese;
}
