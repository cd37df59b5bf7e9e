#pragma once
// The one owner of what runs: the tray window and icon, the hidden window that
// hears the shell, the settings, the monitor list, the mouse hook on its own
// thread with its keeper, the brightness and audio workers and the dialogs. It lives on
// the tray thread, which keeps the icon, the menu, the dialogs, files and COM.
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/GlobalKeys.h"
#include "app/HookKeeper.h"
#include "app/SettingsLoader.h"
#include "app/SessionNotifications.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "config/SettingsStore.h"
#include "core/CornerZones.h"
#include "core/ReportBoxes.h"
#include "core/Settings.h"
#include "devices/BrightnessWorker.h"
#include "devices/Devices.h"
#include "devices/AudioWorker.h"
#include "framework/DialogKeys.h"
#include "framework/MessageWindow.h"
#include "hook/MouseHook.h"
#include "ui/BrightnessIndicator.h"
#include "ui/Texts.h"
#include "ui/about/AboutDialog.h"
#include "ui/settings/SettingsDialog.h"

inline constexpr wchar_t kTrayWindowClass[] = L"BRIMLET_LAUNCHER_TRAY";

class Runtime final : private SettingsDialog::Owner, private SettingsLoader::Owner {
 public:
  Runtime(const AppPaths& paths, std::vector<ScreenRect> monitors, const Devices& devices);
  ~Runtime() = default;
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The tray thread's working life: windows, settings, hook, icon (last: once it
  // shows, everything works), then the message loop until Exit, a quit request
  // or the end of the session. Removes the icon and the hook before it returns.
  void Run();

 private:
  std::optional<LRESULT> OnTrayMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnShellMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateWindows();
  void FollowTheDisplay(bool always);
  void FollowTheTaskbars();
  void PublishMonitors(std::vector<ScreenRect> monitors);
  HWND MenuOwner() const;
  void EndTheProgram();
  void RunCommand(int command);
  bool TakenByADialog(MSG& msg);
  void ShowHookReports();
  void ShowBrightness();
  void ShowAudio();
  void Publish();
  void TakeSettings(const Settings& settings) override;
  void FirstStart() override;
  void SettingsUnreadable() override;
  std::vector<KeyFault> SettingsSaved(const Settings& saved, bool written) override;
  std::vector<KeyFault> RegisterGlobalKeys();
  void OpenSettings();
  void StepBrightnessUnderPointer(int steps);
  void ShowError(const std::wstring& text) const;
  void Shutdown();

  SettingsStore m_store;
  SettingsLoader m_loader{m_store, *this};
  Devices m_devices;
  Texts m_texts;  // the language spoken: from the settings and the user's UI language
  MonitorList m_monitors;  // the one list: zones, worker and indicator go by its version
  std::vector<ScreenRect> m_taskbarStrips;  // where auto-hidden taskbars come back
  Settings m_settings;
  bool m_settingsTaken = false;  // until then nothing acts
  ReportBoxes<HookReport> m_boxes;
  BrightnessWorker m_brightness;
  AudioWorker m_audio;
  MouseHook m_hook;
  SystemNotificationArea m_notificationArea;
  TrayIcon m_icon{m_notificationArea};
  HookKeeper m_keeper;
  // Message-only: the icon's callbacks and the hook's and the worker's announcements.
  WindowOf<Runtime> m_trayWindow{*this, &Runtime::OnTrayMessage};
  // Hidden top-level: "TaskbarCreated" (for the taskbars' strips; the icon hears
  // it on its own), display, power and session news, the menu's owner.
  WindowOf<Runtime> m_shellWindow{*this, &Runtime::OnShellMessage};
  UINT m_taskbarCreated = 0;
  TrayMenu m_menu{m_texts, m_icon, m_devices.outputs};
  std::unique_ptr<SystemKeyRegistry> m_keyRegistry;  // for the tray window, once there is one
  GlobalKeys m_globalKeys;
  bool m_saving = false;  // a saving OK is taking the settings: it tells of taken keys itself
  std::unique_ptr<SettingsDialog> m_settingsDialog;  // open or closed: a new request opens a new one
  std::unique_ptr<AboutDialog> m_aboutDialog;
  DialogKeys m_dialogKeys = DialogKeys::For<&Runtime::TakenByADialog>(*this);
  std::unique_ptr<SessionNotifications> m_session;
  BrightnessIndicator m_indicator{m_texts, m_devices.desktop};
};
