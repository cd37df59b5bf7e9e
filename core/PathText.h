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

// A drive path ("C:\\a") or a network path ("\\\\host\\share"), the only kinds a
// program can be judged by.
bool IsAbsolutePath(std::wstring_view path);

// The path a symbolic link at `linkPath` leads to, from the target it stores:
// an NT path ("\\??\\C:\\a"), an absolute path, or one relative to the link's
// folder; "." and ".." elements are resolved.
std::wstring LinkedPath(std::wstring_view linkPath, std::wstring_view stored);
