#include "app/TrayIcon.h"

#include <shellapi.h>

#include <cstring>

#include "app/TrayThread.h"
#include "res/resource.h"

namespace {

constexpr char kShellWatchClass[] = "BRIMLET_SHELL_WATCH";
constexpr char kTip[] = "Brimlet";
constexpr UINT kIconTimeoutAndVersion = 15000;

UINT g_taskbarCreatedMessage = 0;

NOTIFYICONDATAA EmptyIconRecord() {
  NOTIFYICONDATAA record{};
  record.cbSize = sizeof(record);  // the full current layout, hBalloonIcon included
  record.hWnd = g_trayWindow;
  record.uID = 0;
  return record;
}

LRESULT CALLBACK ShellWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_taskbarCreatedMessage && message != 0) {
    AddTrayIcon();
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

static_assert(sizeof(NOTIFYICONDATAA::szTip) == 128);
static_assert(offsetof(NOTIFYICONDATAA, hBalloonIcon) + sizeof(HICON) <= sizeof(NOTIFYICONDATAA));

void AddTrayIcon() {
  NOTIFYICONDATAA record = EmptyIconRecord();
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = WM_TRAYICON;
  record.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  ::strcpy_s(record.szTip, sizeof(record.szTip), kTip);
  record.uTimeout = kIconTimeoutAndVersion;
  ::Shell_NotifyIconA(NIM_ADD, &record);
  // The same record again: its version field holds the time-out value.
  ::Shell_NotifyIconA(NIM_SETVERSION, &record);
}

void RemoveTrayIcon() {
  NOTIFYICONDATAA record = EmptyIconRecord();
  ::Shell_NotifyIconA(NIM_DELETE, &record);
}

ShellRestartWatch::ShellRestartWatch() {
  g_taskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated");
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &ShellWatchProc;
  windowClass.hInstance = module;
  windowClass.lpszClassName = kShellWatchClass;
  ::RegisterClassExA(&windowClass);
  m_window.reset(::CreateWindowExA(WS_EX_TOOLWINDOW, kShellWatchClass, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, module, nullptr));
  // The broadcast comes from the shell; let it through when this process runs elevated.
  if (m_window && g_taskbarCreatedMessage != 0) {
    ::ChangeWindowMessageFilterEx(m_window.get(), g_taskbarCreatedMessage, MSGFLT_ALLOW, nullptr);
  }
}
