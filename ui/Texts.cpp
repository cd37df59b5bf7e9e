#include "ui/Texts.h"

#include "core/ValueText.h"

std::wstring Texts::operator()(TextId id) const {
  const wchar_t* text = nullptr;
  // With a length of 0 the loader hands out the resource itself, without a copy.
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), Base() + static_cast<UINT>(id),
                                   reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring Texts::Filled(TextId id, std::wstring_view value, std::wstring_view next) const {
  std::wstring text = (*this)(id);
  const size_t at = text.find(L"{}");
  if (at == std::wstring::npos) return text;
  text.replace(at, 2, value);
  // Looked for after the value, which may hold "{}" itself.
  if (const size_t second = text.find(L"{}", at + value.size()); second != std::wstring::npos) {
    text.replace(second, 2, next);
  }
  return text;
}

std::wstring Texts::BrightnessLevel(int32_t percent) const { return Filled(TextId::BrightnessLevel, FormatInt32(percent)); }

namespace {

// `text`, or its first `longest` characters and an ellipsis.
std::wstring Shortened(std::wstring_view text, size_t longest) {
  return text.size() > longest ? std::wstring(text.substr(0, longest)) + L"\u2026" : std::wstring(text);
}

}  // namespace

std::wstring Texts::ProgramLevel(std::wstring_view name, int32_t percent, bool muted, bool plays) const {
  // The level must fit on the indicator's line beside the name.
  const std::wstring program = Shortened(name, 18);
  if (!plays) return Filled(TextId::ProgramSilent, program);
  return muted ? Filled(TextId::ProgramMuted, program) : Filled(TextId::ProgramLevel, program, FormatInt32(percent));
}

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
    const std::wstring shown = Shortened(fault.text, kLongestShown);
    if (!lines.empty()) lines += L'\n';
    lines += Filled(cause, std::wstring(fault.setting) + L" = " + shown);
  }
  return Filled(TextId::KeysTaken, lines);
}

DialogLanguage Texts::ForDialogs() const {
  const int32_t weight = ParseInt32((*this)(TextId::DialogFontWeight));
  return {Base(), (*this)(TextId::DialogFont), 9, static_cast<WORD>(weight > 0 ? weight : FW_NORMAL)};
}
