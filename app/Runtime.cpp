#include "app/Runtime.h"

#include <string>
#include <utility>

#include "app/TrayCommands.h"
#include "app/TrayMenu.h"
#include "config/ConfigFile.h"
#include "config/LoadSettings.h"
#include "core/ValueText.h"
#include "framework/WindowClass.h"
#include "ui/about/AboutDlg.h"

namespace {

constexpr wchar_t kShellWatchClass[] = L"BRIMLET_SHELL_WATCH";
// Posted to the tray window when the hook has left a report; it carries nothing.
constexpr UINT kHookReportMessage = WM_APP + 0x10;

void ShowSystemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
  ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text),
                   0, nullptr);
  const UniqueLocalMemory owner(text);
  // No system text for this code: at least say which code it was.
  ShowErrorBox(text != nullptr ? text : FormatInt64(code).c_str());
}

void ShowHookError(const HookReport& report) {
  switch (static_cast<HookError>(report.error)) {
    case HookError::MissingEventRecord:
      ShowErrorBox(L"获取鼠标指针失败");
      break;
    case HookError::SendInputFailed:
      ShowSystemErrorText(report.code);
      break;
  }
}

}  // namespace

void ShowErrorBox(const wchar_t* text) { ::MessageBoxW(nullptr, text, L"错误", MB_OK); }

Runtime::Runtime(AppPaths paths, const CornerZones& zones, ActionSeam& seam)
    : m_paths(std::move(paths)),
      m_zones(zones),
      m_brightness(seam),
      m_hook(CornerSnapshot{zones, m_settings}, seam, m_brightness, m_reports) {}

void Runtime::Run() {
  const ComApartment com;
  CreateWindows();
  m_settings = LoadSettings(m_paths.config, m_paths.shortcut);
  RemoveSaveLeftovers(m_paths.config);
  m_hook.Publish({m_zones, m_settings});
  DWORD error = 0;
  const bool hooked = m_hook.Start(error);
  if (m_trayWindow) m_icon.Add(m_trayWindow.get());
  // The program keeps running without its hook, so Settings and Exit stay within reach.
  if (!hooked) ShowErrorBox(L"安装鼠标钩子失败");

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  Shutdown();
}

void Runtime::CreateWindows() {
  if (!RegisterWindowClass(kTrayWindowClass, &Runtime::TrayProc)) ShowErrorBox(L"RegisterClassExA failed");
  m_trayWindow.reset(CreateOwnedWindow(0, kTrayWindowClass, 0, HWND_MESSAGE, this));
  if (!m_trayWindow) {
    ShowErrorBox(L"创建窗口失败");
    return;
  }
  m_reports.AnnounceTo(m_trayWindow.get(), kHookReportMessage);

  // A message-only window hears no broadcasts and cannot come to the front: a
  // hidden top-level window, never shown, hears the shell and owns the menu.
  m_taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  if (RegisterWindowClass(kShellWatchClass, &Runtime::ShellProc)) {
    m_shellWindow.reset(CreateOwnedWindow(WS_EX_TOOLWINDOW, kShellWatchClass, WS_POPUP, nullptr, this));
  }
  // The broadcast comes from the shell; let it through when this process runs elevated.
  if (m_shellWindow && m_taskbarCreated != 0) {
    ::ChangeWindowMessageFilterEx(m_shellWindow.get(), m_taskbarCreated, MSGFLT_ALLOW, nullptr);
  }
}

LRESULT CALLBACK Runtime::TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  KeepOwnerOnCreate(window, message, lParam);
  Runtime* self = OwnerOf<Runtime>(window);
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == kHookReportMessage) {
    self->ShowHookReports();
    return 0;
  }
  if (message != kTrayIconMessage) return ::DefWindowProcW(window, message, wParam, lParam);
  // Classic and version-4 callbacks alike: the icon id is 0, so the whole lParam is the event.
  if (lParam == WM_RBUTTONDOWN) {
    self->RunCommand(ChooseFromTrayMenu(self->m_shellWindow ? self->m_shellWindow.get() : window));
  }
  return 0;
}

LRESULT CALLBACK Runtime::ShellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  KeepOwnerOnCreate(window, message, lParam);
  Runtime* self = OwnerOf<Runtime>(window);
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == self->m_taskbarCreated && message != 0) {
    if (self->m_trayWindow) self->m_icon.Add(self->m_trayWindow.get());
    return 0;
  }
  if (message == WM_ENDSESSION) {
    // The process may be ended any time after this returns: clean up now.
    if (wParam != FALSE) {
      self->Shutdown();
      ::PostQuitMessage(0);
    }
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void Runtime::RunCommand(int command) {
  switch (command) {
    case kExitCommand:
      // The quit request ends any modal loop that is open, then the tray loop.
      ::PostQuitMessage(0);
      break;
    case kSettingsCommand: {
      SettingsDlg settings(m_paths, *this);
      settings.DoModal();
      break;
    }
    case kAboutCommand: {
      AboutDlg about;
      about.DoModal();
      break;
    }
    default:
      break;
  }
}

void Runtime::ShowHookReports() {
  HookReport report;
  if (!m_reports.Take(report) || !m_boxes.Arrived(report)) return;
  // The box's own loop may bring further reports: ReportBoxes keeps them for afterwards.
  for (std::optional<HookReport> next = report; next; next = m_boxes.Closed()) ShowHookError(*next);
}

void Runtime::OnSettingsSaved(const Settings& saved) {
  m_settings = saved;
  m_hook.Publish({m_zones, m_settings});
}

void Runtime::Shutdown() {
  m_hook.Stop();
  m_brightness.Stop();
  m_icon.Remove();
}
