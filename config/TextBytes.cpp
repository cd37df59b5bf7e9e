#include "config/TextBytes.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

template <class Char>
std::basic_string<Char> ReadAsTextMode(std::basic_string_view<Char> raw) {
  std::basic_string<Char> text;
  text.reserve(raw.size() + 1);
  for (size_t i = 0; i < raw.size(); ++i) {
    const Char c = raw[i];
    if (c == Char(0x1A)) break;
    if (c == Char('\r') && i + 1 < raw.size() && raw[i + 1] == Char('\n')) continue;
    text.push_back(c);
  }
  if (!text.empty() && text.back() != Char('\n')) text.push_back(Char('\n'));
  return text;
}

template <class Char>
std::basic_string_view<Char> BeforeNul(std::basic_string_view<Char> text) {
  const size_t nul = text.find(Char(0));
  return nul == std::basic_string_view<Char>::npos ? text : text.substr(0, nul);
}

}  // namespace

PreparedText PrepareFileBytes(std::string_view raw) {
  PreparedText prepared;
  if (raw.size() >= 2 && (raw.substr(0, 2) == "\xFF\xFE" || raw.substr(0, 2) == "\xFE\xFF")) {
    prepared.encoding = raw[0] == '\xFF' ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
    prepared.bytes = raw.substr(2);
    return prepared;
  }
  std::string text = ReadAsTextMode(raw);
  std::string_view view = text;
  if (view.size() >= 3 && view.substr(0, 3) == kUtf8Mark) {
    prepared.encoding = TextEncoding::Utf8;
    view.remove_prefix(3);
  }
  prepared.bytes = BeforeNul(view);
  return prepared;
}

std::wstring Utf16FromBytes(std::string_view bytes, bool bigEndian) {
  std::wstring units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
    const unsigned unit = bigEndian ? (first << 8U) | second : (second << 8U) | first;
    units.push_back(static_cast<wchar_t>(unit));
  }
  return units;
}

std::wstring NormaliseDecodedText(std::wstring_view text) {
  return ReadAsTextMode(BeforeNul(text));
}

std::string DiskBytesFromUtf8(std::string_view utf8) {
  std::string bytes(kUtf8Mark);
  bytes.reserve(kUtf8Mark.size() + utf8.size() + utf8.size() / 16);
  for (const char c : utf8) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return bytes;
}

std::wstring_view UpToNul(std::wstring_view text) { return BeforeNul(text); }
