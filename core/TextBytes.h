#pragma once
// Byte-level rules of the settings file: how its bytes become a text to decode,
// and how a text becomes the bytes on disk. Decoding itself is the platform's.
#include <cstddef>
#include <string>
#include <string_view>

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The file's bytes, ready for decoding. Reading stops at the first NUL or Ctrl+Z
// (0x1A); what lies from there on is kept, unread, in `rest`.
// - 8-bit files are read as the C runtime's text mode does (CR LF becomes LF),
//   lose their byte order mark, and end with an LF when reading reached the end.
//   Without a mark they are UTF-8 when their bytes are valid UTF-8 holding at
//   least one non-ASCII character, else in the ANSI code page.
// - UTF-16 bytes (after their mark) are passed on whole up to the stop.
struct PreparedText {
  TextEncoding encoding = TextEncoding::Ansi;
  std::string bytes;
  std::string rest;  // the bytes from the stop on, verbatim; empty without a stop
};
PreparedText PrepareFileBytes(std::string_view raw);

// Strictly valid UTF-8 (no overlong forms, surrogates or values past U+10FFFF)
// with at least one byte above 0x7F.
bool IsUtf8WithNonAscii(std::string_view bytes);

// UTF-16 code units from bytes in the given order (an odd last byte is dropped).
std::wstring Utf16FromBytes(std::string_view bytes, bool bigEndian);

// The same line rules for a text decoded from UTF-16: CR LF becomes LF, U+001A
// ends it, it ends with an LF when not empty, and it stops before the first NUL.
std::wstring NormaliseDecodedText(std::wstring_view text);

// Bytes for the disk: the UTF-8 byte order mark, then `utf8` with each LF as CR LF.
std::string DiskBytesFromUtf8(std::string_view utf8);

// Bytes for the disk after an edit of a file read as `read`: the edited text as
// DiskBytesFromUtf8 writes it, then the unread rest verbatim, so a save never
// drops what reading stopped short of. False when that rest cannot be kept: a
// UTF-16 file's rest would mean nothing behind UTF-8 text.
bool DiskBytesKeepingRest(std::string_view utf8, const PreparedText& read, std::string& bytes);

// `text` up to its first NUL.
std::wstring_view UpToNul(std::wstring_view text);
