#include "app/Runtime.h"

#include <string>
#include <utility>

#include <shellapi.h>
#include <windowsx.h>
#include <wtsapi32.h>

#include "app/ScreenMeasure.h"
#include "core/Language.h"
#include "core/ValueText.h"
#include "ui/MessageBoxes.h"

namespace {

constexpr wchar_t kShellWatchClass[] = L"BRIMLET_SHELL_WATCH";
// Posted to the tray window when the hook has left a report, or a worker has
// set a brightness level or a program's volume; they carry nothing.
constexpr UINT kHookReportMessage = WM_APP + 0x10;
constexpr UINT kBrightnessSetMessage = WM_APP + 0x11;
constexpr UINT kProgramLevelSetMessage = WM_APP + 0x12;

std::wstring SystemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
  ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text),
                   0, nullptr);
  const UniqueLocalMemory owner(text);
  // No system text for this code: at least say which code it was.
  return text != nullptr ? std::wstring(text) : FormatInt64(code);
}

std::wstring HookErrorText(const HookReport& report, const Texts& texts) {
  switch (report.error) {
    case HookError::MissingEventRecord:
      return texts(TextId::PointerFailed);
    case HookError::SendInputFailed:
      break;
  }
  return SystemErrorText(report.code);
}

}  // namespace

void Runtime::ShowError(const std::wstring& text) const { ShowProgramMessage(m_texts, m_shellWindow.hwnd(), text); }

Runtime::Runtime(const AppPaths& paths, std::vector<ScreenRect> monitors, const Devices& devices)
    : m_store(paths),
      m_devices(devices),
      m_monitors{1, std::move(monitors)},
      m_brightness(devices.clock, devices.panel, devices.monitors),
      m_audio(devices.programSound, devices.outputs, devices.desktop),
      // Acts nowhere until the settings are known.
      m_hook(CornerSnapshot{}, devices, m_brightness, m_audio),
      m_keeper(m_hook, m_icon, m_texts) {
  m_brightness.TakeMonitors(m_monitors);
}

void Runtime::Run() {
  const ComApartment com;
  // The settings first: their language is the first box's already.
  m_texts = Texts(SpeaksChinese(::GetUserDefaultUILanguage(), static_cast<int32_t>(LanguageChoice::Automatic)));
  m_store.Recover();
  m_taskbarStrips = MeasureTaskbarStrips();
  m_loader.Load();
  const bool windows = CreateWindows();
  if (windows) {
    m_keyRegistry = std::make_unique<SystemKeyRegistry>(m_trayWindow.hwnd());
    RegisterGlobalKeys();
  }
  const bool hooked = m_keeper.Start();
  if (windows) m_icon.Add(m_trayWindow.hwnd());
  // The program keeps running without its hook, so Settings and Exit stay within reach.
  if (!hooked) ShowError(m_texts(TextId::HookFailed));

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (m_dialogKeys.Take(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  Shutdown();
}

bool Runtime::TakenByADialog(MSG& msg) {
  return (m_settingsDialog && m_settingsDialog->TakeKeyboardInput(msg)) ||
         (m_aboutDialog && m_aboutDialog->TakeKeyboardInput(msg));
}

bool Runtime::CreateWindows() {
  if (!m_trayWindow.Create(kTrayWindowClass, 0, 0, HWND_MESSAGE)) {
    ShowError(m_texts(TextId::WindowFailed));
    return false;
  }
  m_hook.reports().AnnounceTo(m_trayWindow.hwnd(), kHookReportMessage);
  m_brightness.shown().AnnounceTo(m_trayWindow.hwnd(), kBrightnessSetMessage);
  m_audio.AnnounceTo(m_trayWindow.hwnd(), kProgramLevelSetMessage);

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
void Runtime::TakeSettings(const Settings& settings) {
  // Read again unchanged (Settings was chosen): nothing to redo or to tell again.
  if (m_settingsTaken && settings == m_settings) return;
  m_settings = settings;
  m_settingsTaken = true;
  m_texts = Texts(SpeaksChinese(::GetUserDefaultUILanguage(), m_settings.language));
  Publish();
  if (m_keyRegistry && !m_saving) RegisterGlobalKeys();
  if (m_settingsDialog && m_settingsDialog->IsOpen()) m_settingsDialog->ShowRead(m_settings);
}

// The settings' brightness keys; at start (and when the settings could be read
// only later) a notice names those that do not work, and why.
std::vector<KeyFault> Runtime::RegisterGlobalKeys() {
  if (!m_keyRegistry) return {};
  // Whether Windows can switch outputs is asked only when the key is set.
  const bool outputsSwitch = ParseHotKey(m_settings.outputKey).key == 0 || m_devices.outputs.CanSwitch();
  std::vector<KeyFault> faults = m_globalKeys.Take(m_settings, *m_keyRegistry, outputsSwitch);
  if (!faults.empty() && !m_saving) m_icon.ShowNotice(m_texts(TextId::Tip), m_texts.KeyFaults(faults));
  return faults;
}

std::vector<KeyFault> Runtime::SettingsSaved(const Settings& saved, bool written) {
  m_saving = true;
  m_loader.Reload(saved, written);
  std::vector<KeyFault> faults = RegisterGlobalKeys();
  m_saving = false;
  return faults;
}

// The dialog opens only on what the file holds now: never on defaults
// standing in for a file another program holds, which OK would save over it.
void Runtime::OpenSettings() {
  const bool open = m_settingsDialog && m_settingsDialog->IsOpen();
  if (!m_loader.ReadNow() && !open) {
    ShowError(m_texts(TextId::SettingsHeld));
    return;
  }
  // A closed dialog is never brought forward: a new one opens.
  if (!open) {
    std::vector<OutputDevice> outputs;
    m_devices.outputs.List(outputs);
    m_settingsDialog = std::make_unique<SettingsDialog>(m_store, m_texts, static_cast<SettingsDialog::Owner&>(*this),
                                                        m_settings, std::move(outputs));
  }
  m_settingsDialog->Show();
}

void Runtime::StepBrightnessUnderPointer(int steps) {
  POINT pointer{};
  if (!::GetCursorPos(&pointer)) return;
  for (size_t index = 0; index < m_monitors.monitors.size() && index + 1 < kBrightnessTargets; ++index) {
    const ScreenRect& monitor = m_monitors.monitors[index];
    if (!monitor.Contains(pointer.x, pointer.y)) continue;
    m_brightness.Request({m_monitors.version, static_cast<uint8_t>(1 + index), steps,
                          static_cast<uint8_t>(m_settings.brightnessStep), NearestCorner(pointer.x, pointer.y, monitor)});
    return;
  }
}

// Nothing else shows that it runs: a new icon may sit in the hidden overflow.
void Runtime::FirstStart() { m_icon.ShowNotice(m_texts(TextId::NoticeTitle), m_texts(TextId::NoticeText)); }

void Runtime::SettingsUnreadable() {
  m_icon.ShowNotice(m_texts(TextId::UnreadableTitle), m_texts(TextId::UnreadableText));
}

void Runtime::Publish() {
  if (m_settingsTaken) m_hook.Publish({ComputeScreenZones(m_monitors, m_taskbarStrips), m_settings});
}

// A taskbar moved, came back or started hiding: its strip is measured again.
void Runtime::FollowTheTaskbars() {
  std::vector<ScreenRect> strips = MeasureTaskbarStrips();
  if (strips == m_taskbarStrips) return;
  m_taskbarStrips = std::move(strips);
  Publish();
}

void Runtime::PublishMonitors(std::vector<ScreenRect> monitors) {
  m_monitors = {m_monitors.version + 1, std::move(monitors)};
  // The worker first: it knows a list before any request names it.
  m_brightness.TakeMonitors(m_monitors);
  Publish();
}

void Runtime::FollowTheDisplay(bool always) {
  std::vector<ScreenRect> monitors = MeasureScreens();
  if (!always && monitors == m_monitors.monitors) return;
  m_taskbarStrips = MeasureTaskbarStrips();
  PublishMonitors(std::move(monitors));
  m_keeper.Reinstall();
}

std::optional<LRESULT> Runtime::OnTrayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kHookReportMessage:
      ShowHookReports();
      return 0;
    case kBrightnessSetMessage:
      ShowBrightness();
      return 0;
    case kProgramLevelSetMessage:
      ShowAudio();
      return 0;
    case WM_HOTKEY:
      if (const int steps = GlobalKeys::StepsOf(wParam); steps != 0 && m_settingsTaken) {
        StepBrightnessUnderPointer(steps);
      } else if (wParam == GlobalKeys::kNextOutput && m_settingsTaken) {
        m_audio.NextOutput(OutputNames(m_settings.outputDevices));
      }
      return 0;
    case kTrayIconMessage:
      RunCommand(m_menu.OnIconEvent(LOWORD(lParam), {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)}, MenuOwner()));
      return 0;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> Runtime::OnShellMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message == m_taskbarCreated && message != 0) {
    FollowTheTaskbars();  // the icon comes back by itself
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      // What taskkill without /F sends: the program ends as by Exit, never
      // half, without the window that hears the shell and owns the menu.
      EndTheProgram();
      return 0;
    case WM_ENDSESSION:
      // The process may be ended any time after this returns: clean up now.
      if (wParam != FALSE) {
        Shutdown();
        EndTheProgram();
      }
      return 0;
    case WM_DISPLAYCHANGE:
      FollowTheDisplay(true);
      break;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) FollowTheTaskbars();
      FollowTheDisplay(false);  // only when a monitor has changed
      break;
    case WM_DPICHANGED:
      FollowTheDisplay(false);
      break;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        FollowTheDisplay(true);  // monitors may have woken up as others
      }
      return TRUE;  // no objection to suspending
    case WM_WTSSESSION_CHANGE:
      m_keeper.OnSessionChange(wParam);
      break;
    default:
      break;
  }
  return std::nullopt;
}

// An open dialog owns the menu, so it is still in front when the menu closes.
HWND Runtime::MenuOwner() const {
  if (m_settingsDialog && m_settingsDialog->IsOpen()) return m_settingsDialog->hwnd();
  if (m_aboutDialog && m_aboutDialog->IsOpen()) return m_aboutDialog->hwnd();
  return m_shellWindow ? m_shellWindow.hwnd() : m_trayWindow.hwnd();
}

// The program ends as by Exit; an open menu closes first and answers Exit.
void Runtime::EndTheProgram() {
  if (!m_menu.CloseForExit()) ::PostQuitMessage(0);
}

void Runtime::RunCommand(int command) {
  switch (command) {
    case kExitCommand:
      ::PostQuitMessage(0);
      break;
    case kSettingsCommand:
      OpenSettings();
      break;
    case kAboutCommand:
      if (!m_aboutDialog || !m_aboutDialog->IsOpen()) m_aboutDialog = std::make_unique<AboutDialog>(m_texts);
      m_aboutDialog->Show();
      break;
    default:
      if (std::wstring output = m_menu.OutputOf(command); !output.empty()) m_audio.SwitchOutput(std::move(output));
      break;
  }
}

void Runtime::ShowHookReports() {
  HookReport report;
  if (!m_hook.reports().Take(report) || !m_boxes.Arrived(report)) return;
  // The box's own loop may bring further reports: ReportBoxes keeps them for afterwards.
  for (std::optional<HookReport> next = report; next; next = m_boxes.Closed()) ShowError(HookErrorText(*next, m_texts));
}

void Runtime::ShowBrightness() {
  BrightnessShown shown;
  if (!m_brightness.shown().Take(shown) || !m_settings.brightnessIndicator) return;
  // The monitor the request named, by the list it was made from; the panel anywhere shows on the primary one.
  if (shown.listVersion != m_monitors.version) return;
  const size_t index = shown.target == kPanelAnywhere ? 0 : shown.target - 1U;
  const ScreenRect monitor = index < m_monitors.monitors.size() ? m_monitors.monitors[index] : ScreenRect{};
  m_indicator.Show(shown.percent, shown.corner, monitor);
}

// On the monitor under the pointer, where the user looks, near its nearest corner.
void Runtime::ShowAudio() {
  AudioShown shown;
  POINT pointer{};
  if (!m_audio.TakeShown(shown) || !m_settings.levelIndicator || !::GetCursorPos(&pointer)) return;
  for (const ScreenRect& monitor : m_monitors.monitors) {
    if (!monitor.Contains(pointer.x, pointer.y)) continue;
    // An output has no level: no bar.
    const std::wstring text = shown.output ? m_texts.Filled(TextId::OutputNow, shown.name)
                                           : m_texts.ProgramLevel(shown.name, shown.percent, shown.muted, shown.plays);
    const int32_t percent = shown.output ? -1 : (shown.plays && !shown.muted ? shown.percent : 0);
    m_indicator.ShowText(text, percent, NearestCorner(pointer.x, pointer.y, monitor), monitor);
    return;
  }
}

void Runtime::Shutdown() {
  m_globalKeys.Release();
  m_session.reset();
  if (m_settingsDialog) m_settingsDialog->Close();
  if (m_aboutDialog) m_aboutDialog->Close();
  m_keeper.Stop();
  m_brightness.Stop();
  m_audio.Stop();
  m_icon.Remove();
}
