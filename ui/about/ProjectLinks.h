#pragma once
// Where the About box's links lead. The project has no addresses of its own yet:
// these are placeholders under the reserved example domain, to be set at release.
inline constexpr wchar_t kContactMailLink[] = L"mailto:author@example.com";
inline constexpr wchar_t kWebSiteLink[] = L"https://brimlet.example.org/";

inline constexpr wchar_t kProductVersionText[] = L"1.0.0";
