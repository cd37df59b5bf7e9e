#pragma once
#include <string>

// The title message boxes carry: the executable's file name without extension.
std::wstring ApplicationTitle();
