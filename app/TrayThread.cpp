#include "app/TrayThread.h"

#include "app/BrimletApp.h"
#include "app/ComApartment.h"
#include "app/HookErrorBox.h"
#include "app/TrayIcon.h"
#include "app/TrayWindow.h"
#include "config/ConfigFile.h"
#include "config/LoadSettings.h"
#include "hook/MouseHook.h"

HWND g_trayWindow = nullptr;
HHOOK g_mouseHook = nullptr;
Settings g_settings;

namespace {

void CreateTrayWindow() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &TrayWndProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = TRAY_WINDOW_CLASS;
  if (::RegisterClassExA(&windowClass) == 0) ShowErrorBox(L"RegisterClassExA failed");

  g_trayWindow = ::CreateWindowExA(0, TRAY_WINDOW_CLASS, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   nullptr, nullptr);
  if (g_trayWindow == nullptr) ShowErrorBox(L"创建窗口失败");
}

void RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    // Exit posts WM_USER to the thread; it ends the loop whatever it was addressed to.
    if (msg.message == WM_USER) break;
    // Without a tray window the hook's reports arrive as thread messages.
    if (msg.hwnd == nullptr && IsHookErrorMessage(msg.message)) ShowHookError(msg.wParam, msg.lParam);
  }
}

}  // namespace

void ShowErrorBox(const wchar_t* text) { ::MessageBoxW(nullptr, text, L"错误", MB_OK); }

DWORD WINAPI TrayThreadProc(LPVOID) {
  const ComApartment com;
  CreateTrayWindow();
  g_settings = LoadSettings(theApp.m_configPath);
  RemoveSaveLeftovers(theApp.m_configPath);
  g_mouseHook = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseHookProc, ::GetModuleHandleW(nullptr), 0);

  // The icon comes last: once it shows, the settings are loaded and the hook is in place.
  const ShellRestartWatch shellWatch;
  AddTrayIcon();

  RunMessageLoop();

  RemoveTrayIcon();
  return static_cast<DWORD>(::UnhookWindowsHookEx(g_mouseHook));
}
