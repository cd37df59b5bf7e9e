#pragma once
// Path text rules, kept free of the platform so they can be tested anywhere.
#include <string>
#include <string_view>

// Everything up to and including the last backslash; empty when there is none.
std::wstring DirectoryPart(std::wstring_view path);

// The last path element without its extension ("C:\a\Brimlet.exe" -> "Brimlet").
std::wstring FileTitle(std::wstring_view path);

// A path the system gave in its long form ("\\?\C:\a", "\\?\UNC\host\share\a")
// in its ordinary form ("C:\a", "\\host\share\a"); other paths unchanged.
std::wstring WithoutLongPathPrefix(std::wstring_view path);
