#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// Decodes 8-bit text in a code page (CP_ACP, CP_UTF8), invalid sequences replaced
// as the platform does without strict checking.
std::wstring DecodeBytes(std::string_view bytes, UINT codePage);

// UTF-8 bytes of `text`.
std::string EncodeUtf8(std::wstring_view text);
