#pragma once
// The one owner of what runs: the tray window and icon, the hidden window that
// hears the shell, the settings, the corner zones, the mouse hook on its own
// thread with its keeper, and the brightness worker. It lives on the tray
// thread, which keeps the icon, the menu, the dialogs, files and COM.
#include <windows.h>

#include <memory>
#include <vector>

#include "app/BrightnessIndicator.h"
#include "app/HookKeeper.h"
#include "app/SessionNotifications.h"
#include "app/TrayIcon.h"
#include "config/SettingsStore.h"
#include "core/CornerZones.h"
#include "core/ReportBoxes.h"
#include "core/Settings.h"
#include "framework/MessageWindow.h"
#include "hook/BrightnessWorker.h"
#include "hook/Devices.h"
#include "hook/MouseHook.h"
#include "ui/Texts.h"

inline constexpr wchar_t kTrayWindowClass[] = L"BRIMLET_LAUNCHER_TRAY";

class Runtime final {
 public:
  Runtime(const AppPaths& paths, const std::vector<ScreenRect>& screens, const Devices& devices);
  ~Runtime() = default;
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The tray thread's working life: windows, settings, hook, icon (last: once it
  // shows, everything works), then the message loop until Exit, a quit request
  // or the end of the session. Removes the icon and the hook before it returns.
  void Run();

 private:
  LRESULT OnTrayMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnShellMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateWindows();
  void FollowTheDisplay(bool always);
  void OpenMenu(POINT at, bool byKeyboard);
  void RunCommand(int command);
  void ShowHookReports();
  void ShowBrightness();
  void Publish();
  void TakeSettings();
  void ShowError(TextId text) const;
  void Shutdown();

  SettingsStore m_store;
  Texts m_texts;  // the language spoken: from the settings and the user's UI language
  std::vector<ScreenRect> m_screens;  // the monitors, the primary one first
  Settings m_settings;
  ReportBoxes<HookReport> m_boxes;
  BrightnessWorker m_brightness;
  MouseHook m_hook;
  TrayIcon m_icon;
  HookKeeper m_keeper;
  // Message-only: the icon's callbacks, the timers, the hook's and the worker's announcements.
  WindowOf<Runtime> m_trayWindow{*this, &Runtime::OnTrayMessage};
  // Hidden top-level: "TaskbarCreated", display, power and session news, the menu's owner.
  WindowOf<Runtime> m_shellWindow{*this, &Runtime::OnShellMessage};
  UINT m_taskbarCreated = 0;
  bool m_menuOpen = false;
  ULONGLONG m_menuClosedAt = 0;  // when a menu closed; a right click's own WM_CONTEXTMENU follows it
  HWND m_settingsDialog = nullptr;  // while open: a second request brings it to the front
  HWND m_aboutDialog = nullptr;
  std::unique_ptr<SessionNotifications> m_session;
  BrightnessIndicator m_indicator{m_texts};
};


