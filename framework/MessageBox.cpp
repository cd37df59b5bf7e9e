#include "framework/MessageBox.h"

#include "framework/ApplicationTitle.h"

int AfxMessageBox(const wchar_t* text, UINT type) {
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  const std::wstring title = ApplicationTitle();
  // Owned by the active window of this thread (an open dialog), so it stays on top of it.
  return ::MessageBoxW(::GetActiveWindow(), text, title.c_str(), type);
}
