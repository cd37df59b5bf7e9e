#pragma once
#include <windows.h>

#include <string>

// Full path of a loaded module (null: the executable), however long it is.
std::wstring ModuleFileName(HMODULE module = nullptr);
