#include "core/TextBytes.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(PrepareFileBytes, ReadsLikeTextMode) {
  EXPECT_EQ(PrepareFileBytes("a\r\nb\r\n").bytes, "a\nb\n");
  EXPECT_EQ(PrepareFileBytes("a\nb\n").bytes, "a\nb\n");
  EXPECT_EQ(PrepareFileBytes("a\rb\r\r\n").bytes, "a\rb\r\n");  // a lone CR stays
  EXPECT_EQ(PrepareFileBytes("a\r").bytes, "a\r\n");
}

TEST(PrepareFileBytes, NulOrCtrlZEndsTheInputAndTheRestIsKeptVerbatim) {
  const PreparedText ctrlZ = PrepareFileBytes("a\r\nb\x1A" "c\r\n\0d"s);
  EXPECT_EQ(ctrlZ.bytes, "a\nb");
  EXPECT_EQ(ctrlZ.rest, "\x1A" "c\r\n\0d"s);
  const PreparedText nul = PrepareFileBytes("a\nb\0c\x1A\r\n"s);
  EXPECT_EQ(nul.bytes, "a\nb");
  EXPECT_EQ(nul.rest, "\0c\x1A\r\n"s);
  EXPECT_EQ(PrepareFileBytes("\x1A" "rest").bytes, "");
  EXPECT_EQ(PrepareFileBytes("a\r\n").rest, "");
}

TEST(PrepareFileBytes, LastLineGetsABreakAndEmptyStaysEmpty) {
  EXPECT_EQ(PrepareFileBytes("[Brimlet]").bytes, "[Brimlet]\n");
  EXPECT_EQ(PrepareFileBytes("").bytes, "");
}

TEST(PrepareFileBytes, Utf8MarkSelectsUtf8AndIsRemoved) {
  const PreparedText utf8 = PrepareFileBytes("\xEF\xBB\xBF[Brimlet]\r\n");
  EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
  EXPECT_EQ(utf8.bytes, "[Brimlet]\n");
  EXPECT_EQ(PrepareFileBytes("\xEF\xBB[Brimlet]").encoding, TextEncoding::Ansi);
  EXPECT_EQ(PrepareFileBytes("\xEF\xBB\xBF").bytes, "\n");
}

TEST(PrepareFileBytes, Utf8WithoutMarkIsRecognisedAndGbkIsNot) {
  // "; 音量与亮度 ✓" in UTF-8 before CR LF, as a current editor saves it.
  const PreparedText utf8 = PrepareFileBytes("[Brimlet]\r\n; \xE9\x9F\xB3\xE9\x87\x8F \xE2\x9C\x93\r\nSound = false\r\n");
  EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
  EXPECT_EQ(utf8.bytes, "[Brimlet]\n; \xE9\x9F\xB3\xE9\x87\x8F \xE2\x9C\x93\nSound = false\n");
  EXPECT_EQ(PrepareFileBytes("; \xD2\xF4\xC1\xBF\r\n").encoding, TextEncoding::Ansi);  // "; 音量" in GBK
  EXPECT_EQ(PrepareFileBytes("[Brimlet]\r\nSound = true\r\n").encoding, TextEncoding::Ansi);  // ASCII alone
}

TEST(Utf8Validity, OnlyStrictUtf8WithNonAsciiCounts) {
  EXPECT_TRUE(IsUtf8WithNonAscii("\xC2\xA0"));
  EXPECT_TRUE(IsUtf8WithNonAscii("a\xF0\x9F\x98\x80"));  // U+1F600
  EXPECT_TRUE(IsUtf8WithNonAscii("\xF4\x8F\xBF\xBF"));   // U+10FFFF
  EXPECT_FALSE(IsUtf8WithNonAscii("plain ASCII"));
  EXPECT_FALSE(IsUtf8WithNonAscii(""));
  for (const char* bad : {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80", "\xF0\x80\x80\x80",
                          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\x80", "\xE4\xBA", "\xE4\xBA" "a", "\xFF"}) {
    EXPECT_FALSE(IsUtf8WithNonAscii(bad)) << bad;
  }
}

TEST(PrepareFileBytes, Utf16IsPassedOnUpToTheStopWithoutItsMark) {
  const PreparedText little = PrepareFileBytes("\xFF\xFE[\0\r\0\n\0\x1A\0x\0"s);
  EXPECT_EQ(little.encoding, TextEncoding::Utf16LittleEndian);
  EXPECT_EQ(little.bytes, "[\0\r\0\n\0"s);
  EXPECT_EQ(little.rest, "\x1A\0x\0"s);
  const PreparedText big = PrepareFileBytes("\xFE\xFF\0[\x1A\0\0\0"s);  // U+1A00 is no stop
  EXPECT_EQ(big.encoding, TextEncoding::Utf16BigEndian);
  EXPECT_EQ(big.bytes, "\0[\x1A\0"s);
  EXPECT_EQ(big.rest, "\0\0"s);
}

TEST(Utf16Text, DecodesBothByteOrdersAndAppliesTheLineRules) {
  EXPECT_EQ(Utf16FromBytes("A\0\xE0\x65"s, false), L"A\x65E0");
  EXPECT_EQ(Utf16FromBytes("\0A\x65\xE0\0"s, true), L"A\x65E0");  // odd last byte dropped
  EXPECT_EQ(NormaliseDecodedText(L"a\r\nb"), L"a\nb\n");
  EXPECT_EQ(NormaliseDecodedText(L"a\nb\x1A" L"c"), L"a\nb\n");
  EXPECT_EQ(NormaliseDecodedText(std::wstring(L"a\0b", 3)), L"a\n");
  EXPECT_EQ(NormaliseDecodedText(L""), L"");
}

TEST(DiskBytes, MarkThenCrLfLines) {
  EXPECT_EQ(DiskBytesFromUtf8("[Brimlet]\nSound = true\n"), "\xEF\xBB\xBF[Brimlet]\r\nSound = true\r\n");
  EXPECT_EQ(DiskBytesFromUtf8(""), "\xEF\xBB\xBF");
  // What was read as "\r\n" (from "\r\r\n") is written back as it came.
  EXPECT_EQ(DiskBytesFromUtf8("a\r\n"), "\xEF\xBB\xBF" "a\r\r\n");
}

TEST(DiskBytes, WhatReadingStoppedShortOfIsWrittenBackVerbatim) {
  const std::string file = "[Brimlet]\r\nSound = false\r\n[Notes]\r\nA=1\0B=2\r\nC=3\r\n"s;
  const PreparedText read = PrepareFileBytes(file);
  std::string bytes;
  ASSERT_TRUE(DiskBytesKeepingRest("[Brimlet]\nSound = true\n[Notes]\nA=1", read, bytes));
  EXPECT_EQ(bytes, "\xEF\xBB\xBF[Brimlet]\r\nSound = true\r\n[Notes]\r\nA=1\0B=2\r\nC=3\r\n"s);
  EXPECT_EQ(PrepareFileBytes(bytes).rest, read.rest) << "read again, it stops at the same byte";

  // A UTF-16 file's rest would mean nothing behind UTF-8 text: refused.
  EXPECT_FALSE(DiskBytesKeepingRest("x", PrepareFileBytes("\xFF\xFEx\0\0\0y\0"s), bytes));
  EXPECT_TRUE(DiskBytesKeepingRest("x", PrepareFileBytes("\xFF\xFEx\0"s), bytes));
  EXPECT_EQ(bytes, "\xEF\xBB\xBFx");
}

TEST(DiskBytes, ReadingWhatWasWrittenGivesTheTextBack) {
  const std::string text = "x\n[Brimlet]\nSound = true\r\nk =\n";
  EXPECT_EQ(PrepareFileBytes(DiskBytesFromUtf8(text)).bytes, text);
}

}  // namespace
