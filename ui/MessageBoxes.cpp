#include "ui/MessageBoxes.h"

#include "framework/Executable.h"

void ShowMessage(const Texts& texts, HWND raisedBy, const std::wstring& text) {
  if (raisedBy != nullptr) {
    ::MessageBoxW(raisedBy, text.c_str(), ExecutableTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
  } else {
    ::MessageBoxW(nullptr, text.c_str(), texts(TextId::ErrorCaption).c_str(), MB_OK | MB_SETFOREGROUND);
  }
}
