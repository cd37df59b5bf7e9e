#include "app/Runtime.h"

#include <optional>
#include <string>
#include <utility>

#include <wtsapi32.h>

#include "app/ScreenMeasure.h"
#include "app/TrayCommands.h"
#include "app/TrayMenu.h"
#include "core/ValueText.h"
#include "ui/about/AboutDlg.h"
#include "ui/settings/SettingsDlg.h"

namespace {

constexpr wchar_t kShellWatchClass[] = L"BRIMLET_SHELL_WATCH";
// Posted to the tray window when the hook has left a report, or the worker has
// set a brightness level; they carry nothing.
constexpr UINT kHookReportMessage = WM_APP + 0x10;
constexpr UINT kBrightnessSetMessage = WM_APP + 0x11;

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
  switch (report.error) {
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

Runtime::Runtime(const AppPaths& paths, const std::vector<ScreenRect>& screens, const Devices& devices)
    : m_store(paths),
      m_screens(screens),
      m_brightness(devices.clock, devices.panel, devices.monitors),
      m_hook(CornerSnapshot{ComputeScreenZones(screens), m_settings}, devices, m_brightness),
      m_keeper(m_hook, m_icon) {}

void Runtime::Run() {
  const ComApartment com;
  const bool windows = CreateWindows();
  m_store.Recover();
  m_settings = m_store.Load();
  m_brightness.DisplayChanged(m_screens);
  Publish();
  const bool hooked = m_keeper.Start(m_trayWindow.hwnd());
  if (windows) m_icon.Add(m_trayWindow.hwnd());
  // The program keeps running without its hook, so Settings and Exit stay within reach.
  if (!hooked) ShowErrorBox(L"安装鼠标钩子失败");

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  Shutdown();
}

bool Runtime::CreateWindows() {
  if (!m_trayWindow.Create(kTrayWindowClass, 0, 0, HWND_MESSAGE)) {
    ShowErrorBox(L"创建窗口失败");
    return false;
  }
  m_hook.reports().AnnounceTo(m_trayWindow.hwnd(), kHookReportMessage);
  m_brightness.shown().AnnounceTo(m_trayWindow.hwnd(), kBrightnessSetMessage);

  // A message-only window hears no broadcasts and cannot come to the front: a
  // hidden top-level window, never shown, hears the shell and owns the menu.
  m_taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  if (!m_shellWindow.Create(kShellWatchClass, WS_EX_TOOLWINDOW, WS_POPUP, nullptr)) return true;
  // The broadcast comes from the shell; let it through when this process runs elevated.
  if (m_taskbarCreated != 0) {
    ::ChangeWindowMessageFilterEx(m_shellWindow.hwnd(), m_taskbarCreated, MSGFLT_ALLOW, nullptr);
  }
  m_session = std::make_unique<SessionNotifications>(m_shellWindow.hwnd());
  return true;
}

void Runtime::Publish() { m_hook.Publish({ComputeScreenZones(m_screens), m_settings}); }

void Runtime::FollowTheDisplay(bool always) {
  std::vector<ScreenRect> screens = MeasureScreens();
  if (!always && screens == m_screens) return;
  m_screens = std::move(screens);
  m_brightness.DisplayChanged(m_screens);
  Publish();
  m_keeper.Reinstall();
}

LRESULT Runtime::OnTrayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kHookReportMessage:
      ShowHookReports();
      return 0;
    case kBrightnessSetMessage:
      ShowBrightness();
      return 0;
    case WM_TIMER:
      if (!m_keeper.OnTimer(wParam)) m_icon.OnTimer(wParam);
      return 0;
    case kTrayIconMessage:
      // Classic and version-4 callbacks alike: the icon id is 0, so the whole lParam is the event.
      if (lParam == WM_RBUTTONDOWN) {
        RunCommand(ChooseFromTrayMenu(m_shellWindow ? m_shellWindow.hwnd() : m_trayWindow.hwnd()));
      }
      return 0;
    default:
      return ::DefWindowProcW(m_trayWindow.hwnd(), message, wParam, lParam);
  }
}

LRESULT Runtime::OnShellMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == m_taskbarCreated && message != 0) {
    m_icon.AddAgain();
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      // What taskkill without /F sends: the program ends as by Exit, never
      // half, without the window that hears the shell and owns the menu.
      ::PostQuitMessage(0);
      return 0;
    case WM_ENDSESSION:
      // The process may be ended any time after this returns: clean up now.
      if (wParam != FALSE) {
        Shutdown();
        ::PostQuitMessage(0);
      }
      return 0;
    case WM_DISPLAYCHANGE:
      FollowTheDisplay(true);
      break;
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:
      FollowTheDisplay(false);  // only when a monitor has changed
      break;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        m_brightness.DisplayChanged(m_screens);  // monitors may have woken up as others
        m_keeper.Reinstall();
      }
      return TRUE;  // no objection to suspending
    case WM_WTSSESSION_CHANGE:
      m_keeper.OnSessionChange(wParam);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(m_shellWindow.hwnd(), message, wParam, lParam);
}

void Runtime::RunCommand(int command) {
  switch (command) {
    case kExitCommand:
      // The quit request ends any modal loop that is open, then the tray loop.
      ::PostQuitMessage(0);
      break;
    case kSettingsCommand: {
      SettingsDlg settings(m_store);
      settings.DoModal();
      if (settings.committed()) {
        // The running program takes what the file now holds, also when saving failed.
        m_settings = m_store.Load();
        Publish();
      }
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
  if (!m_hook.reports().Take(report) || !m_boxes.Arrived(report)) return;
  // The box's own loop may bring further reports: ReportBoxes keeps them for afterwards.
  for (std::optional<HookReport> next = report; next; next = m_boxes.Closed()) ShowHookError(*next);
}

void Runtime::ShowBrightness() {
  BrightnessShown shown;
  if (!m_brightness.shown().Take(shown) || !m_settings.brightnessIndicator) return;
  const ScreenRect monitor = shown.screen < m_screens.size() ? m_screens[shown.screen] : ScreenRect{};
  m_indicator.Show(shown.percent, shown.corner, monitor);
}

void Runtime::Shutdown() {
  m_session.reset();
  m_hook.Stop();
  m_brightness.Stop();
  m_icon.Remove();
}
