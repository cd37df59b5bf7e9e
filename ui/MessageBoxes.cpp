#include "ui/MessageBoxes.h"

#include "framework/Executable.h"

void ShowDialogMessage(HWND dialog, const std::wstring& text) {
  ::MessageBoxW(dialog, text.c_str(), ExecutableTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowProgramMessage(const Texts& texts, HWND programWindow, const std::wstring& text) {
  ::MessageBoxW(programWindow, text.c_str(), texts(TextId::ErrorCaption).c_str(), MB_OK | MB_SETFOREGROUND);
}
