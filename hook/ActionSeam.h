#pragma once
// Every side effect of the mouse hook and the corner actions goes through this
// one table, so tests can replace it and see exactly what would have been sent.
#include <windows.h>

#include "hook/HookErrors.h"

struct ActionSeam {
  ULONGLONG (*tickCount)();
  UINT (*sendInput)(UINT count, INPUT* inputs, int size);
  // PlaySoundW from the system folder's winmm.dll, loaded on first use.
  BOOL (*playSound)(const wchar_t* sound, HMODULE module, DWORD flags);
  HANDLE (*createFile)(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                       DWORD disposition, DWORD flags, HANDLE templateFile);
  BOOL (*deviceIoControl)(HANDLE device, DWORD code, void* input, DWORD inputSize, void* output,
                          DWORD outputSize, DWORD* returned, OVERLAPPED* overlapped);
  BOOL (*closeHandle)(HANDLE handle);
  void (*postError)(HookError error, DWORD code);
};

// The system's own functions.
extern const ActionSeam kSystemActionSeam;

// What the hook uses; tests point it elsewhere.
extern const ActionSeam* g_actionSeam;
