#pragma once
#include <string>

// Saves the whole screen as a 24-bit BMP under the driver's folder
// (screenshots\<name>.bmp) and returns its path; empty on failure.
std::wstring SaveScreenshot(const std::wstring& name);
