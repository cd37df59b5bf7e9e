#include "app/Runtime.h"

#include <string>
#include <utility>

#include <wtsapi32.h>

#include "app/ScreenMeasure.h"
#include "app/TrayCommands.h"
#include "app/TrayMenu.h"
#include "config/ConfigFile.h"
#include "config/LoadSettings.h"
#include "core/HookWatch.h"
#include "core/ValueText.h"
#include "framework/WindowClass.h"
#include "ui/about/AboutDlg.h"

namespace {

constexpr wchar_t kShellWatchClass[] = L"BRIMLET_SHELL_WATCH";
// Posted to the tray window when the hook has left a report, or the worker has
// set a brightness level; they carry nothing.
constexpr UINT kHookReportMessage = WM_APP + 0x10;
constexpr UINT kBrightnessSetMessage = WM_APP + 0x11;

// The tray window's timers.
constexpr UINT_PTR kHookCheckTimer = 1;  // is the hook still there?
constexpr UINT_PTR kHookRetryTimer = 2;  // install a hook that failed again
constexpr UINT_PTR kIconRetryTimer = 3;  // add an icon the notification area refused
constexpr UINT kHookCheckPeriodMs = 10000;
constexpr ULONG kHookCheckToleranceMs = 2000;  // the system may fold it into other wake-ups
constexpr UINT kIconRetryPeriodMs = 2000;
constexpr int kIconTries = 60;  // two minutes

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
      m_hook(CornerSnapshot{zones, m_settings}, seam, m_brightness, m_reports),
      m_watchdog(m_hook) {}

void Runtime::Run() {
  const ComApartment com;
  CreateWindows();
  m_settings = LoadSettings(m_paths.config, m_paths.shortcut);
  RemoveSaveLeftovers(m_paths.config);
  m_hook.Publish({m_zones, m_settings});
  DWORD error = 0;
  const bool hooked = m_hook.Start(error);
  m_icon.SetTip(TrayTip(hooked));
  AddIcon();
  StartHookChecks();
  // The program keeps running without its hook, so Settings and Exit stay within reach.
  if (!hooked) {
    ShowHookState(m_watchdog.Reinstall());
    if (!m_hook.IsRunning()) ShowErrorBox(L"安装鼠标钩子失败");
  }

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
  m_brightness.AnnounceTo(m_trayWindow.get(), kBrightnessSetMessage);

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
  if (m_shellWindow) m_session = std::make_unique<SessionNotifications>(m_shellWindow.get());
}

void Runtime::AddIcon() {
  if (!m_trayWindow) return;
  if (m_icon.Add(m_trayWindow.get())) {
    ::KillTimer(m_trayWindow.get(), kIconRetryTimer);
    return;
  }
  // At logon the notification area may not be there yet.
  if (m_iconTries == 0) ::SetTimer(m_trayWindow.get(), kIconRetryTimer, kIconRetryPeriodMs, nullptr);
}

void Runtime::StartHookChecks() {
  if (m_trayWindow && !m_locked) {
    ::SetCoalescableTimer(m_trayWindow.get(), kHookCheckTimer, kHookCheckPeriodMs, nullptr, kHookCheckToleranceMs);
  }
}

void Runtime::OnTimer(UINT_PTR timer) {
  switch (timer) {
    case kHookCheckTimer:
      if (m_watchdog.Check()) ShowHookState(m_hook.IsRunning());
      break;
    case kHookRetryTimer:
      ShowHookState(m_watchdog.Reinstall());
      break;
    case kIconRetryTimer:
      if (++m_iconTries >= kIconTries) ::KillTimer(m_trayWindow.get(), kIconRetryTimer);
      AddIcon();
      break;
    default:
      break;
  }
}

void Runtime::ReinstallHook() { ShowHookState(m_watchdog.Reinstall()); }

void Runtime::ShowHookState(bool running) {
  m_icon.SetTip(TrayTip(running));
  if (!m_trayWindow) return;
  if (running) {
    ::KillTimer(m_trayWindow.get(), kHookRetryTimer);
  } else {
    ::SetTimer(m_trayWindow.get(), kHookRetryTimer, m_watchdog.RetryDelayMs(), nullptr);
  }
}

void Runtime::FollowTheDisplay(bool always) {
  const ScreenSize screen = MeasurePrimaryScreen();
  const CornerZones zones = ComputeCornerZones(screen.width, screen.height);
  if (!always && zones == m_zones) return;
  m_zones = zones;
  m_brightness.DisplayChanged();
  m_hook.Publish({m_zones, m_settings});
  ReinstallHook();
}

void Runtime::OnShellMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_DISPLAYCHANGE:
      FollowTheDisplay(true);
      break;
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:
      FollowTheDisplay(false);  // only when the primary monitor's mode has changed
      break;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) ReinstallHook();
      break;
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_LOCK) {
        m_locked = true;
        if (m_trayWindow) ::KillTimer(m_trayWindow.get(), kHookCheckTimer);
      } else if (wParam == WTS_SESSION_UNLOCK || wParam == WTS_CONSOLE_CONNECT) {
        if (wParam == WTS_SESSION_UNLOCK) m_locked = false;
        StartHookChecks();
        ReinstallHook();
      }
      break;
    default:
      break;
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
  if (message == kBrightnessSetMessage) {
    self->ShowBrightness();
    return 0;
  }
  if (message == WM_TIMER) {
    self->OnTimer(wParam);
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
    self->AddIcon();
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
  switch (message) {
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:
    case WM_POWERBROADCAST:
    case WM_WTSSESSION_CHANGE:
      self->OnShellMessage(message, wParam);
      if (message == WM_POWERBROADCAST) return TRUE;  // no objection to suspending
      break;
    default:
      break;
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

void Runtime::ShowBrightness() {
  BrightnessShown shown;
  if (m_brightness.TakeShown(shown) && m_settings.brightnessIndicator) m_indicator.Show(shown.percent, shown.corner);
}

void Runtime::OnSettingsSaved(const Settings& saved) {
  m_settings = saved;
  m_hook.Publish({m_zones, m_settings});
}

void Runtime::Shutdown() {
  m_session.reset();
  m_hook.Stop();
  m_brightness.Stop();
  m_icon.Remove();
}
