#include "core/ValueText.h"

#include <iterator>
#include <limits>

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

int32_t ParseInt32(std::wstring_view text) {
  int32_t value = 0;
  ParseNumber(text, value);
  return value;
}

bool ParseNumber(std::wstring_view text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';

  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMinMagnitude = kMax + 1;
  const int64_t limit = negative ? kMinMagnitude : kMax;
  int64_t magnitude = 0;
  const size_t digits = i;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    // Stops growing at the limit, so any number of digits is safe.
    if (magnitude < limit) magnitude = magnitude * 10 + (text[i] - L'0');
    if (magnitude > limit) magnitude = limit;
  }
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return i > digits;
}

bool ParseBool(std::wstring_view text) {
  if (text == L"true") return true;
  if (text == L"false") return false;
  return ParseInt32(text) != 0;
}

std::wstring FormatInt64(int64_t value) {
  // Digits from the end; the magnitude is taken without negating, which would
  // overflow for the smallest value.
  wchar_t digits[24];
  size_t start = std::size(digits);
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    digits[--start] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) digits[--start] = L'-';
  return std::wstring(digits + start, std::size(digits) - start);
}

std::wstring FormatBool(bool value) { return value ? L"true" : L"false"; }
