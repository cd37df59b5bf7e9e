#pragma once
// The running executable: where it is and what it is called.
#include <string>

// Its full path, however long; empty if the system cannot say.
std::wstring ExecutablePath();
// Its folder with the trailing backslash; empty if the path has no backslash,
// which makes a file name beside it relative to the current folder.
std::wstring ExecutableFolder();
// Its file name without extension ("Brimlet"): the program's title.
std::wstring ExecutableTitle();
