#include "app/Runtime.h"

#include <optional>
#include <string>
#include <utility>

#include <shellapi.h>
#include <windowsx.h>
#include <wtsapi32.h>

#include "app/ScreenMeasure.h"
#include "app/TrayCommands.h"
#include "app/TrayMenu.h"
#include "core/Language.h"
#include "core/ValueText.h"
#include "ui/about/AboutDlg.h"
#include "ui/settings/SettingsDlg.h"

namespace {

constexpr wchar_t kShellWatchClass[] = L"BRIMLET_SHELL_WATCH";
// Posted to the tray window when the hook has left a report, or the worker has
// set a brightness level; they carry nothing.
constexpr UINT kHookReportMessage = WM_APP + 0x10;
constexpr UINT kBrightnessSetMessage = WM_APP + 0x11;
// A WM_CONTEXTMENU this soon after a menu closed belongs to the right click that opened it.
constexpr ULONGLONG kSameMenuRequestMs = 500;

// Without an owner a box could open behind other windows.
void ShowErrorBox(const std::wstring& text, const std::wstring& caption) {
  ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_SETFOREGROUND);
}

void ShowSystemErrorText(DWORD code, const std::wstring& caption) {
  wchar_t* text = nullptr;
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
  ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text),
                   0, nullptr);
  const UniqueLocalMemory owner(text);
  // No system text for this code: at least say which code it was.
  ShowErrorBox(text != nullptr ? std::wstring(text) : FormatInt64(code), caption);
}

void ShowHookError(const HookReport& report, const Texts& texts) {
  switch (report.error) {
    case HookError::MissingEventRecord:
      ShowErrorBox(texts(TextId::PointerFailed), texts(TextId::ErrorCaption));
      break;
    case HookError::SendInputFailed:
      ShowSystemErrorText(report.code, texts(TextId::ErrorCaption));
      break;
  }
}

}  // namespace

void Runtime::ShowError(TextId text) const { ShowErrorBox(m_texts(text), m_texts(TextId::ErrorCaption)); }

Runtime::Runtime(const AppPaths& paths, const std::vector<ScreenRect>& screens, const Devices& devices)
    : m_store(paths),
      m_screens(screens),
      m_brightness(devices.clock, devices.panel, devices.monitors),
      m_hook(CornerSnapshot{ComputeScreenZones(screens), m_settings}, devices, m_brightness),
      m_keeper(m_hook, m_icon, m_texts) {}

void Runtime::Run() {
  const ComApartment com;
  // The settings first, read once: their language is the first box's already.
  m_store.Recover();
  TakeSettings();
  const bool windows = CreateWindows();
  m_brightness.DisplayChanged(m_screens);
  const bool hooked = m_keeper.Start(m_trayWindow.hwnd());
  if (windows) m_icon.Add(m_trayWindow.hwnd());
  // The program keeps running without its hook, so Settings and Exit stay within reach.
  if (!hooked) ShowError(TextId::HookFailed);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  Shutdown();
}

bool Runtime::CreateWindows() {
  if (!m_trayWindow.Create(kTrayWindowClass, 0, 0, HWND_MESSAGE)) {
    ShowError(TextId::WindowFailed);
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

// What the store holds now becomes what runs, the language included.
void Runtime::TakeSettings() {
  m_settings = m_store.Read();
  m_texts = Texts(SpeaksChinese(::GetUserDefaultUILanguage(), m_settings.language));
  Publish();
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
      // Version 4: the event in the low word, and for the keyboard's events the
      // icon's position in wParam.
      switch (LOWORD(lParam)) {
        case WM_RBUTTONDOWN: {
          POINT pointer{};
          ::GetCursorPos(&pointer);
          OpenMenu(pointer, false);
          break;
        }
        case WM_CONTEXTMENU:  // Shift+F10, the menu key, or what follows a right click
        case NIN_KEYSELECT:   // Enter
          // A right click's menu is open, or has just closed: the same request again.
          if (m_menuOpen || ::GetTickCount64() - m_menuClosedAt < kSameMenuRequestMs) break;
          OpenMenu({GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)}, true);
          break;
        default:
          break;
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

void Runtime::OpenMenu(POINT at, bool byKeyboard) {
  if (m_menuOpen) return;
  m_menuOpen = true;
  // An open dialog owns the menu, so it is still in front when the menu closes.
  HWND owner = m_settingsDialog != nullptr ? m_settingsDialog : m_aboutDialog;
  if (owner == nullptr) owner = m_shellWindow ? m_shellWindow.hwnd() : m_trayWindow.hwnd();
  const int command = ChooseFromTrayMenu(owner, at, m_texts);
  m_menuOpen = false;
  m_menuClosedAt = ::GetTickCount64();
  if (command == 0 && byKeyboard && (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0) m_icon.GiveFocusBack();
  RunCommand(command);
}

void Runtime::RunCommand(int command) {
  switch (command) {
    case kExitCommand:
      // The quit request ends any modal loop that is open, then the tray loop.
      ::PostQuitMessage(0);
      break;
    case kSettingsCommand: {
      if (m_settingsDialog != nullptr) {
        ::SetForegroundWindow(m_settingsDialog);
        break;
      }
      SettingsDlg settings(m_store, m_texts);
      settings.DoModal(m_settingsDialog);
      // The running program takes what the file now holds, also when saving failed.
      if (settings.committed()) TakeSettings();
      break;
    }
    case kAboutCommand: {
      if (m_aboutDialog != nullptr) {
        ::SetForegroundWindow(m_aboutDialog);
        break;
      }
      AboutDlg about(m_texts);
      about.DoModal(m_aboutDialog);
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
  for (std::optional<HookReport> next = report; next; next = m_boxes.Closed()) ShowHookError(*next, m_texts);
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
