#pragma once
// How setting values are turned from and into text.
#include <cstdint>
#include <string>
#include <string_view>

// Leading white space, an optional sign, then decimal digits up to the first
// other character; 0 without digits; clamped to the int32 limits.
int32_t ParseInt32(std::wstring_view text);
// The same, false when the text holds no digits there: it is no number.
bool ParseNumber(std::wstring_view text, int32_t& value);

// Exactly "true" or "false"; anything else is true when its number is not 0
// (so "1" and "7abc" are true, "TRUE", "yes" and "" are false).
bool ParseBool(std::wstring_view text);

// Decimal text of a number: "-" for a negative one, no padding.
std::wstring FormatInt64(int64_t value);
inline std::wstring FormatInt32(int32_t value) { return FormatInt64(value); }
std::wstring FormatBool(bool value);
