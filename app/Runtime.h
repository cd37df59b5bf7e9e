#pragma once
// The one owner of what runs: the tray window and icon, the hidden window that
// hears the shell, the settings, the corner zones, the mouse hook on its own
// thread and the brightness worker. It lives on the tray thread, which keeps the
// icon, the menu, the dialogs, files and COM.
#include <windows.h>

#include <memory>

#include "app/BrightnessIndicator.h"
#include "app/SessionNotifications.h"
#include "app/TrayIcon.h"
#include "config/AppPaths.h"
#include "core/CornerZones.h"
#include "core/ReportBoxes.h"
#include "core/Settings.h"
#include "framework/UniqueHandle.h"
#include "hook/ActionSeam.h"
#include "hook/BrightnessWorker.h"
#include "hook/HookReports.h"
#include "hook/HookWatchdog.h"
#include "hook/MouseHook.h"
#include "ui/settings/SettingsDlg.h"

inline constexpr wchar_t kTrayWindowClass[] = L"BRIMLET_LAUNCHER_TRAY";

class Runtime final : private SettingsSink {
 public:
  Runtime(AppPaths paths, const CornerZones& zones, ActionSeam& seam);
  ~Runtime() = default;
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The tray thread's working life: windows, settings, hook, icon (last: once it
  // shows, everything works), then the message loop until Exit, a quit request
  // or the end of the session. Removes the icon and the hook before it returns.
  void Run();

 private:
  static LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ShellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateWindows();
  void OnShellMessage(UINT message, WPARAM wParam);
  void OnTimer(UINT_PTR timer);
  void AddIcon();
  void FollowTheDisplay(bool always);
  void ReinstallHook();
  void ShowHookState(bool running);
  void StartHookChecks();
  void RunCommand(int command);
  void ShowHookReports();
  void ShowBrightness();
  void Shutdown();
  void OnSettingsSaved(const Settings& saved) override;

  AppPaths m_paths;
  CornerZones m_zones;
  Settings m_settings;
  HookReports m_reports;
  ReportBoxes m_boxes;
  BrightnessWorker m_brightness;
  MouseHook m_hook;
  UniqueWindow m_trayWindow;   // message-only: the icon's callbacks and the hook's reports
  UniqueWindow m_shellWindow;  // hidden top-level: "TaskbarCreated", the end of the session, the menu's owner
  UINT m_taskbarCreated = 0;
  TrayIcon m_icon;
  int m_iconTries = 0;
  HookWatchdog m_watchdog;
  bool m_locked = false;
  std::unique_ptr<SessionNotifications> m_session;
  BrightnessIndicator m_indicator;
};

// Shows a message box with no owner, caption "错误" and an OK button.
void ShowErrorBox(const wchar_t* text);
