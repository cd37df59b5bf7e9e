#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The screen's pixels inside `rect` (screen coordinates), row by row from the
// top, as COLORREF values; empty when they cannot be read.
std::vector<COLORREF> CaptureScreen(const RECT& rect);

// Saves the whole screen as a 24-bit BMP under the driver's folder
// (screenshots\<name>.bmp) and returns its path; empty on failure.
std::wstring SaveScreenshot(const std::wstring& name);
