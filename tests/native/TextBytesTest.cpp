#include "config/TextBytes.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(PrepareFileBytes, ReadsLikeTextMode) {
  EXPECT_EQ(PrepareFileBytes("a\r\nb\r\n").bytes, "a\nb\n");
  EXPECT_EQ(PrepareFileBytes("a\nb\n").bytes, "a\nb\n");
  EXPECT_EQ(PrepareFileBytes("a\rb\r\r\n").bytes, "a\rb\r\n");  // a lone CR stays
  EXPECT_EQ(PrepareFileBytes("a\r").bytes, "a\r\n");
}

TEST(PrepareFileBytes, CtrlZEndsTheInput) {
  EXPECT_EQ(PrepareFileBytes("a\nb\x1A" "c\n").bytes, "a\nb\n");
  EXPECT_EQ(PrepareFileBytes("\x1A" "rest").bytes, "");
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

TEST(PrepareFileBytes, StopsAtTheFirstNul) {
  EXPECT_EQ(PrepareFileBytes("a\nb\0c\n"s).bytes, "a\nb");
}

TEST(PrepareFileBytes, Utf16IsPassedOnWholeWithoutItsMark) {
  const PreparedText little = PrepareFileBytes("\xFF\xFE[\0\r\0\n\0\x1A\0"s);
  EXPECT_EQ(little.encoding, TextEncoding::Utf16LittleEndian);
  EXPECT_EQ(little.bytes, "[\0\r\0\n\0\x1A\0"s);
  EXPECT_EQ(PrepareFileBytes("\xFE\xFF\0["s).encoding, TextEncoding::Utf16BigEndian);
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

TEST(DiskBytes, ReadingWhatWasWrittenGivesTheTextBack) {
  const std::string text = "x\n[Brimlet]\nSound = true\r\nk =\n";
  EXPECT_EQ(PrepareFileBytes(DiskBytesFromUtf8(text)).bytes, text);
}

}  // namespace
