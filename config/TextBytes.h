#pragma once
// Byte-level rules of the settings file: how its bytes become a text to decode,
// and how a text becomes the bytes on disk. Decoding itself is the platform's.
#include <string>
#include <string_view>

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The file's bytes, ready for decoding. For the 8-bit encodings they have been
// read as the C runtime's text mode does (CR LF becomes LF, 0x1A ends the input),
// end with an LF when not empty, lost their byte order mark and stop before the
// first NUL. UTF-16 bytes are passed on whole, without their mark.
struct PreparedText {
  TextEncoding encoding = TextEncoding::Ansi;
  std::string bytes;
};
PreparedText PrepareFileBytes(std::string_view raw);

// UTF-16 code units from bytes in the given order (an odd last byte is dropped).
std::wstring Utf16FromBytes(std::string_view bytes, bool bigEndian);

// The same line rules for a text decoded from UTF-16: CR LF becomes LF, U+001A
// ends it, it ends with an LF when not empty, and it stops before the first NUL.
std::wstring NormaliseDecodedText(std::wstring_view text);

// Bytes for the disk: the UTF-8 byte order mark, then `utf8` with each LF as CR LF.
std::string DiskBytesFromUtf8(std::string_view utf8);

// `text` up to its first NUL.
std::wstring_view UpToNul(std::wstring_view text);
