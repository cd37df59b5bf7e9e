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

 private:
  using PlaySoundFunction = BOOL(WINAPI*)(const wchar_t*, HMODULE, DWORD);
  UniqueModule m_winmm;
  PlaySoundFunction m_playSound = nullptr;
};
