#pragma once
// config.ini as Brimlet writes it, for the tests that compare whole files: the
// key lines a save adds, in the order a new file lists them, each with its
// default unless a test sets it. The one place the tests spell the whole list.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ConfigImage {
 public:
  ConfigImage& Set(std::wstring_view key, std::wstring_view value) {
    for (auto& [name, text] : m_lines) {
      if (name == key) text = value;
    }
    return *this;
  }
  // Leaves out a key the file has already: a save keeps it in its own place.
  ConfigImage& Without(std::wstring_view key) {
    std::erase_if(m_lines, [key](const auto& line) { return line.first == key; });
    return *this;
  }
  // "key = value" lines, LF-separated, as the settings text holds them.
  std::wstring Lines() const {
    std::wstring text;
    for (const auto& [name, value] : m_lines) text.append(name).append(value.empty() ? L" =" : L" = ").append(value).append(L"\n");
    return text;
  }
  // A whole first save: the section and every line.
  std::wstring Text() const { return L"[Brimlet]\n" + Lines(); }
  // A copy's first file: also the keys a save leaves as they are.
  std::wstring FirstText() const { return Text() + L"BrightnessIndicator = true\nLanguage =\n"; }

 private:
  std::vector<std::pair<std::wstring, std::wstring>> m_lines = {
      {L"AutoRun", L"false"},    {L"Sound", L"false"},      {L"DisableFunctionWhenFullScreen", L"true"},
      {L"LTControll", L"2"},     {L"LBControll", L"1"},     {L"RTControll", L"2"},
      {L"RBControll", L"1"},     {L"Interval", L"100"},     {L"AllScreens", L"false"},
      {L"IgnorePrograms", L""},  {L"ActInFullScreen", L""}, {L"MiddleClickMute", L"false"},
      {L"VolumeStep", L"2"},     {L"BrightnessStep", L"2"},     {L"Taskbar", L"0"},
      {L"LeftEdge", L"0"},       {L"RightEdge", L"0"},          {L"TopEdge", L"0"},
      {L"BottomEdge", L"0"},     {L"KeyWheel", L""},           {L"KeyWheelAction", L"1"},
      {L"BrightnessUpKey", L""}, {L"BrightnessDownKey", L""},
  };
};

// The bytes on disk for an ASCII text: the UTF-8 byte order mark, then the
// text with CR LF line breaks.
inline std::string DiskBytes(std::wstring_view text) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const wchar_t c : text) {
    if (c == L'\n') bytes += '\r';
    bytes += static_cast<char>(c);
  }
  return bytes;
}
