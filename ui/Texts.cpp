#include "ui/Texts.h"

#include "core/ValueText.h"

std::wstring Texts::operator()(TextId id) const {
  const wchar_t* text = nullptr;
  // With a length of 0 the loader hands out the resource itself, without a copy.
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), Base() + static_cast<UINT>(id),
                                   reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring Texts::Filled(TextId id, std::wstring_view value) const {
  std::wstring text = (*this)(id);
  const size_t at = text.find(L"{}");
  if (at != std::wstring::npos) text.replace(at, 2, value);
  return text;
}

std::wstring Texts::BrightnessLevel(int32_t percent) const { return Filled(TextId::BrightnessLevel, FormatInt32(percent)); }

std::wstring Texts::KeyFaults(const std::vector<KeyFault>& faults) const {
  constexpr size_t kLongestShown = 40;  // a text of thousands of characters names itself by its start
  std::wstring lines;
  for (const KeyFault& fault : faults) {
    TextId cause = TextId::KeyTaken;
    switch (fault.problem) {
      case HotKeyProblem::Unknown: cause = TextId::KeyUnknown; break;
      case HotKeyProblem::NeedsModifier: cause = TextId::KeyNeedsModifier; break;
      case HotKeyProblem::Reserved: cause = TextId::KeyReserved; break;
      case HotKeyProblem::Doubled: cause = TextId::KeyDoubled; break;
      case HotKeyProblem::None:
      case HotKeyProblem::Taken: break;
    }
    std::wstring shown = fault.text.size() > kLongestShown ? fault.text.substr(0, kLongestShown) + L"\u2026" : fault.text;
    if (!lines.empty()) lines += L'\n';
    lines += Filled(cause, std::wstring(fault.setting) + L" = " + shown);
  }
  return Filled(TextId::KeysTaken, lines);
}

DialogLanguage Texts::ForDialogs() const {
  const int32_t weight = ParseInt32((*this)(TextId::DialogFontWeight));
  return {Base(), (*this)(TextId::DialogFont), 9, static_cast<WORD>(weight > 0 ? weight : FW_NORMAL)};
}
