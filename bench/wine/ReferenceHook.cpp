// The smallest programs Brimlet's hook is measured against:
//   reference_hook pass  - a low-level mouse hook that only passes events on;
//   reference_hook key   - one that also injects a volume key straight from the
//                          hook for every vertical wheel turn.
// It runs until it is ended; it signals the named event given as second argument
// once its hook is in place.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

namespace {

bool g_injectKeys = false;

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (g_injectKeys && code == HC_ACTION && wParam == WM_MOUSEWHEEL) {
    const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    // A press and its release, as Brimlet sends them.
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = static_cast<short>(HIWORD(event->mouseData)) > 0 ? VK_VOLUME_UP : VK_VOLUME_DOWN;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  g_injectKeys = argc > 1 && std::wcscmp(argv[1], L"key") == 0;
  HHOOK hook = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseProc, ::GetModuleHandleW(nullptr), 0);
  if (argc > 2) {
    HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (ready != nullptr) {
      ::SetEvent(ready);
      ::CloseHandle(ready);
    }
  }
  ::LocalFree(argv);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  ::UnhookWindowsHookEx(hook);
  return 0;
}
