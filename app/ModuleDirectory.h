#pragma once
#include <string>

// The executable's folder with its trailing backslash; empty if the path has
// no backslash, which makes "config.ini" a path relative to the current folder.
std::wstring ModuleDirectory();
