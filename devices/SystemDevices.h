#pragma once
// The system's own devices behind the corner actions.
#include <string>
#include <string_view>

#include "devices/Devices.h"
#include "devices/SystemOutputs.h"
#include "devices/SystemSound.h"
#include "framework/UniqueHandle.h"

class SystemDevices final : public Clock,
                            public Desktop,
                            public Keys,
                            public StepSound,
                            public HookInstaller,
                            public Panel,
                            public Monitors {
 public:
  // Loads winmm.dll from the system folder only: it is no KnownDLL, and linked
  // normally it would be looked for beside the executable first, where a
  // downloaded copy could have been planted. Loaded now, never inside the hook.
  SystemDevices();
  SystemDevices(const SystemDevices&) = delete;
  SystemDevices& operator=(const SystemDevices&) = delete;

  Devices devices() { return {*this, *this, *this, *this, *this, *this, *this, m_programSound, m_outputs}; }

  uint64_t NowMs() override;
  ForegroundWindow Foreground() override;
  bool FullScreenOn(const ForegroundWindow& window, const ScreenRect& monitor) override;
  std::wstring ProgramName(uint32_t process) override;
  bool SameFileName(std::wstring_view a, std::wstring_view b) override;
  bool OverTaskbar(int32_t x, int32_t y) override;
  uint8_t HeldModifiers() override;
  uint64_t WindowUnder(int32_t x, int32_t y) override;
  bool SendStep(bool up, int32_t presses, DWORD& error) override;
  bool SendMute(DWORD& error) override;
  bool SendModifierMask(DWORD& error) override;
  void Play() override;
  HHOOK InstallMouseHook(HOOKPROC procedure) override;
  HHOOK InstallKeyboardHook(HOOKPROC procedure) override;
  DeviceAnswer SupportedLevels(std::vector<uint8_t>& levels) override;
  DeviceAnswer Read(PanelLevel& level) override;
  DeviceAnswer Write(const PanelLevel& level) override;
  bool Shows(const ScreenRect& monitor) override;
  bool List(const ScreenRect& monitor, std::vector<HANDLE>& monitors) override;
  bool Read(HANDLE monitor, MonitorLevel& level) override;
  bool Write(HANDLE monitor, uint32_t value) override;
  void Release(const std::vector<HANDLE>& monitors) override;

 private:
  using PlaySoundFunction = BOOL(WINAPI*)(const wchar_t*, HMODULE, DWORD);
  bool LoadDxva2();

  SystemSound m_programSound{*this};
  SystemOutputs m_outputs;
  UniqueModule m_winmm;
  PlaySoundFunction m_playSound = nullptr;
  std::wstring m_stepSound;  // the step sound's file

  // dxva2.dll, loaded by the brightness worker on its first DDC/CI step.
  UniqueModule m_dxva2;
  bool m_dxva2Tried = false;
  BOOL(WINAPI* m_countMonitors)(HMONITOR, DWORD*) = nullptr;
  BOOL(WINAPI* m_getMonitors)(HMONITOR, DWORD, void*) = nullptr;
  BOOL(WINAPI* m_getBrightness)(HANDLE, DWORD*, DWORD*, DWORD*) = nullptr;
  BOOL(WINAPI* m_setBrightness)(HANDLE, DWORD) = nullptr;
  BOOL(WINAPI* m_destroyMonitors)(DWORD, void*) = nullptr;
};
