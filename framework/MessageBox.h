#pragma once
#include <windows.h>

// A message box captioned with the application title; without an icon in
// `type` it shows the warning icon.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);
