#include "core/TextBytes.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

template <class Char>
std::basic_string<Char> ReadAsTextMode(std::basic_string_view<Char> raw, bool reachedTheEnd) {
  std::basic_string<Char> text;
  text.reserve(raw.size() + 1);
  for (size_t i = 0; i < raw.size(); ++i) {
    const Char c = raw[i];
    if (c == Char('\r') && i + 1 < raw.size() && raw[i + 1] == Char('\n')) continue;
    text.push_back(c);
  }
  if (reachedTheEnd && !text.empty() && text.back() != Char('\n')) text.push_back(Char('\n'));
  return text;
}

template <class Char>
size_t StopIndex(std::basic_string_view<Char> text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == Char(0) || text[i] == Char(0x1A)) return i;
  }
  return text.size();
}

// Index of the first UTF-16 unit that is NUL or U+001A, in bytes; the size when none.
size_t Utf16StopIndex(std::string_view bytes, bool bigEndian) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto high = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    const auto low = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    if (high == 0 && (low == 0 || low == 0x1A)) return i;
  }
  return bytes.size();
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

}  // namespace

PreparedText PrepareFileBytes(std::string_view raw) {
  PreparedText prepared;
  if (raw.size() >= 2 && (raw.substr(0, 2) == "\xFF\xFE" || raw.substr(0, 2) == "\xFE\xFF")) {
    const bool bigEndian = raw[0] == '\xFE';
    prepared.encoding = bigEndian ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian;
    const std::string_view units = raw.substr(2);
    const size_t stop = Utf16StopIndex(units, bigEndian);
    prepared.bytes = units.substr(0, stop);
    prepared.rest = units.substr(stop);
    return prepared;
  }
  const size_t stop = StopIndex(raw);
  prepared.rest = raw.substr(stop);
  std::string text = ReadAsTextMode(raw.substr(0, stop), stop == raw.size());
  std::string_view view = text;
  if (view.size() >= 3 && view.substr(0, 3) == kUtf8Mark) {
    prepared.encoding = TextEncoding::Utf8;
    view.remove_prefix(3);
  } else if (IsUtf8WithNonAscii(view)) {
    prepared.encoding = TextEncoding::Utf8;
  }
  prepared.bytes = view;
  return prepared;
}

bool IsUtf8WithNonAscii(std::string_view bytes) {
  bool nonAscii = false;
  for (size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    nonAscii = true;
    size_t length = 0;
    unsigned char low = 0x80;   // bounds of the first continuation byte, which
    unsigned char high = 0xBF;  // rule out overlong forms, surrogates and > U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    const auto first = static_cast<unsigned char>(bytes[i + 1]);
    if (first < low || first > high) return false;
    for (size_t k = 2; k < length; ++k) {
      if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) return false;
    }
    i += length;
  }
  return nonAscii;
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
  return ReadAsTextMode(text.substr(0, StopIndex(text)), true);
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

bool DiskBytesKeepingRest(std::string_view utf8, const PreparedText& read, std::string& bytes) {
  const bool utf16 =
      read.encoding == TextEncoding::Utf16LittleEndian || read.encoding == TextEncoding::Utf16BigEndian;
  if (utf16 && !read.rest.empty()) return false;
  bytes = DiskBytesFromUtf8(utf8);
  bytes += read.rest;
  return true;
}

std::wstring_view UpToNul(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }
