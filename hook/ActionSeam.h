#pragma once
// Every side effect of the mouse hook and the corner actions goes through this
// one interface, so tests can stand in for the system and see exactly what
// would have been sent. It is used from the hook thread and the brightness
// worker at once: an implementation must allow that.
#include <windows.h>

#include <vector>

class ActionSeam {
 public:
  virtual ~ActionSeam() = default;

  virtual ULONGLONG TickCount() = 0;
  virtual UINT SendInput(UINT count, INPUT* inputs, int size) = 0;
  // PlaySoundW of the system folder's winmm.dll (loaded before the hook runs).
  virtual BOOL PlayStepSound(const wchar_t* sound, HMODULE module, DWORD flags) = 0;
  virtual HANDLE OpenDevice(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                            DWORD disposition, DWORD flags, HANDLE templateFile) = 0;
  virtual BOOL ControlDevice(HANDLE device, DWORD code, void* input, DWORD inputSize, void* output,
                             DWORD outputSize, DWORD* returned, OVERLAPPED* overlapped) = 0;
  virtual BOOL CloseDevice(HANDLE device) = 0;
  virtual HHOOK InstallMouseHook(HOOKPROC procedure) = 0;

  // DDC/CI through dxva2.dll of the system folder, loaded on first use: the
  // physical monitors behind the primary display, their brightness, and their
  // release. Each handle that Get gives must go back through Destroy.
  virtual bool GetPrimaryPhysicalMonitors(std::vector<HANDLE>& monitors) = 0;
  virtual BOOL GetMonitorBrightness(HANDLE monitor, DWORD* minimum, DWORD* current, DWORD* maximum) = 0;
  virtual BOOL SetMonitorBrightness(HANDLE monitor, DWORD value) = 0;
  virtual void DestroyPhysicalMonitors(const std::vector<HANDLE>& monitors) = 0;
};
