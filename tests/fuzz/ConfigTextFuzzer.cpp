// Fuzzes the settings text engine and checks, on every input:
// - nothing crashes and no sanitizer speaks up, whatever the text;
// - for keys the program could have (no control characters, no "=", no "["
//   first): after SetValue(k, v) the reader returns v for k (values without
//   control characters or "=", compared trimmed, as the reader trims), and
//   SetValue touches nothing before the section header and nothing from the
//   next section on;
// - bytes written for a text read back as that text;
// - a save never loses the bytes reading stopped short of (after a NUL or a
//   Ctrl+Z): they are written back verbatim behind the edited text, where the
//   next read stops again, or the save is refused and writes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/IniText.h"
#include "core/SettingsTable.h"
#include "core/TextBytes.h"
#include "core/ValueText.h"

namespace {

// Every key of the settings table, and the section's name.
const std::wstring& DictionaryKey(size_t index) {
  static const std::vector<std::wstring> keys = [] {
    std::vector<std::wstring> all{L"Brimlet"};
    for (const SettingRow& row : SettingRows()) all.emplace_back(row.key);
    return all;
  }();
  return keys[index % keys.size()];
}

// Bytes as code units; 0xFF takes the next two bytes as one unit, for CJK text.
std::wstring WideFrom(const std::string& bytes) {
  std::wstring text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == 0xFF && i + 2 < bytes.size()) {
      text.push_back(static_cast<wchar_t>((static_cast<unsigned char>(bytes[i + 1]) << 8) |
                                          static_cast<unsigned char>(bytes[i + 2])));
      i += 2;
    } else {
      text.push_back(static_cast<wchar_t>(byte));
    }
  }
  return text;
}

bool PlainText(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (c < 0x20 || c == 0x7F || c == L'=') return false;
  }
  return true;
}

void Fail(const char* what) {
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

// Keys the program could have: no control characters or "=", and no "[" first
// (such a key would match the line that starts the next section).
bool RealisticKey(const std::wstring& key) { return !key.empty() && key[0] != L'[' && PlainText(key); }

void CheckSetThenGet(std::wstring text, const std::wstring& key, const std::wstring& value) {
  ini::Section before{};
  const bool hadSection = ini::FindSection(text, before);
  const std::wstring original = text;

  ini::SetValue(text, key, value);

  ini::Section after{};
  if (!ini::FindSection(text, after)) Fail("section missing after SetValue");
  if (!RealisticKey(key)) return;
  if (hadSection) {
    if (text.compare(0, before.header, original, 0, before.header) != 0) Fail("text before the section changed");
    const size_t tail = original.size() - before.end;
    if (text.size() < tail || text.compare(text.size() - tail, tail, original, before.end, tail) != 0) {
      Fail("text from the next section on changed");
    }
  } else if (text.compare(0, original.size(), original) != 0) {
    Fail("existing text changed while adding the section");
  }

  if (PlainText(value) && ini::GetValue(text, key, L"\x1<missing>") != ini::TrimValue(value)) {
    Fail("value not read back");
  }
}

// UTF-8 of code units up to U+FFFF, as the platform encodes them.
std::string Utf8Of(std::wstring_view text) {
  std::string bytes;
  for (const wchar_t unit : text) {
    const auto c = static_cast<uint32_t>(unit);
    if (c < 0x80) {
      bytes.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
      bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
      bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return bytes;
}

void CheckSaveKeepsTheRest(const PreparedText& read, std::wstring text, const std::wstring& key,
                           const std::wstring& value) {
  ini::SetValue(text, key, value);
  std::string bytes;
  if (!DiskBytesKeepingRest(Utf8Of(UpToNul(text)), read, bytes)) {
    if (read.rest.empty()) Fail("a save with nothing unread was refused");
    return;
  }
  const size_t restSize = read.rest.size();
  if (bytes.size() < restSize || bytes.compare(bytes.size() - restSize, restSize, read.rest) != 0) {
    Fail("the unread bytes were not written back verbatim");
  }
  if (PlainText(key) && PlainText(value) && PrepareFileBytes(bytes).rest != read.rest) {
    Fail("the next read does not stop where the unread bytes begin");
  }
}

void CheckDiskRoundTrip(const std::string& bytes) {
  std::string text = bytes.substr(0, bytes.find_first_of(std::string("\0\x1A", 2)));
  // An empty text is written as the mark alone, which reads back as one empty line.
  if (text.empty() || text.back() != '\n') text.push_back('\n');
  if (PrepareFileBytes(DiskBytesFromUtf8(text)).bytes != text) Fail("written bytes do not read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool dictionaryKey = input.ConsumeBool();
  const std::wstring key = dictionaryKey ? DictionaryKey(input.ConsumeIntegral<size_t>())
                                         : WideFrom(input.ConsumeRandomLengthString(40));
  const std::wstring value = WideFrom(input.ConsumeRandomLengthString(64));

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const PreparedText prepared = PrepareFileBytes(bytes);
  const bool utf16 = prepared.encoding == TextEncoding::Utf16LittleEndian ||
                     prepared.encoding == TextEncoding::Utf16BigEndian;
  const std::wstring text =
      utf16 ? NormaliseDecodedText(Utf16FromBytes(prepared.bytes, prepared.encoding == TextEncoding::Utf16BigEndian))
            : WideFrom(prepared.bytes);

  // Read-only paths: any text at all.
  (void)SettingsFromText(text, false);
  (void)ini::GetValue(text, key, L"default");
  (void)ParseBool(ini::TrimValue(value));
  const int32_t number = ParseInt32(value);
  if (ParseInt32(FormatInt32(number)) != number) Fail("number does not survive formatting");

  CheckSetThenGet(text, key, value);
  CheckSetThenGet(WideFrom(bytes), key, value);  // texts the reader would never give, too
  CheckSaveKeepsTheRest(prepared, text, key, value);
  CheckDiskRoundTrip(bytes);
  return 0;
}
