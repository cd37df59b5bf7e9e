#include "app/HookErrorBox.h"

#include <string>

#include "app/TrayThread.h"
#include "framework/UniqueHandle.h"
#include "hook/HookErrors.h"

namespace {

void ShowSystemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
  ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text),
                   0, nullptr);
  const UniqueLocalMemory owner(text);
  if (text != nullptr) {
    ShowErrorBox(text);
  } else {
    // No system text for this code: at least say which code it was.
    ShowErrorBox(std::to_wstring(code).c_str());
  }
}

}  // namespace

bool IsHookErrorMessage(UINT message) { return message == WM_HOOK_ERROR; }

void ShowHookError(WPARAM error, LPARAM code) {
  switch (static_cast<HookError>(error)) {
    case HookError::MissingEventRecord:
      ShowErrorBox(L"获取鼠标指针失败");
      break;
    case HookError::SendInputFailed:
      ShowSystemErrorText(static_cast<DWORD>(code));
      break;
  }
}
