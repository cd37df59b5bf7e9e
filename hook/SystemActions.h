#pragma once
// The system's own functions behind the action seam.
#include "framework/UniqueHandle.h"
#include "hook/ActionSeam.h"

class SystemActions final : public ActionSeam {
 public:
  // Loads winmm.dll from the system folder only: it is no KnownDLL, and linked
  // normally it would be looked for beside the executable first, where a
  // downloaded copy could have been planted.
  SystemActions();

  ULONGLONG TickCount() override;
  UINT SendInput(UINT count, INPUT* inputs, int size) override;
  BOOL PlayStepSound(const wchar_t* sound, HMODULE module, DWORD flags) override;
  HANDLE OpenDevice(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                    DWORD disposition, DWORD flags, HANDLE templateFile) override;
  BOOL ControlDevice(HANDLE device, DWORD code, void* input, DWORD inputSize, void* output, DWORD outputSize,
                     DWORD* returned, OVERLAPPED* overlapped) override;
  BOOL CloseDevice(HANDLE device) override;
  HHOOK InstallMouseHook(HOOKPROC procedure) override;
  bool GetPrimaryPhysicalMonitors(std::vector<HANDLE>& monitors) override;
  BOOL GetMonitorBrightness(HANDLE monitor, DWORD* minimum, DWORD* current, DWORD* maximum) override;
  BOOL SetMonitorBrightness(HANDLE monitor, DWORD value) override;
  void DestroyPhysicalMonitors(const std::vector<HANDLE>& monitors) override;

 private:
  using PlaySoundFunction = BOOL(WINAPI*)(const wchar_t*, HMODULE, DWORD);
  bool LoadDxva2();

  UniqueModule m_winmm;
  PlaySoundFunction m_playSound = nullptr;

  // dxva2.dll, loaded by the brightness worker on its first DDC/CI step.
  UniqueModule m_dxva2;
  bool m_dxva2Tried = false;
  BOOL(WINAPI* m_countMonitors)(HMONITOR, DWORD*) = nullptr;
  BOOL(WINAPI* m_getMonitors)(HMONITOR, DWORD, void*) = nullptr;
  BOOL(WINAPI* m_getBrightness)(HANDLE, DWORD*, DWORD*, DWORD*) = nullptr;
  BOOL(WINAPI* m_setBrightness)(HANDLE, DWORD) = nullptr;
  BOOL(WINAPI* m_destroyMonitors)(DWORD, void*) = nullptr;
};
