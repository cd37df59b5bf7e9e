#include "hook/ActionSeam.h"

#include "app/TrayThread.h"

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(const wchar_t*, HMODULE, DWORD);

// winmm.dll is no KnownDLL: linked normally it would be searched for beside
// the executable first. Loading it from the system folder only, on first use,
// keeps a planted copy in a download folder from ever being loaded.
BOOL SystemPlaySound(const wchar_t* sound, HMODULE module, DWORD flags) {
  static const PlaySoundFunction playSound = [] {
    HMODULE winmm = ::LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return winmm ? reinterpret_cast<PlaySoundFunction>(
                       reinterpret_cast<void*>(::GetProcAddress(winmm, "PlaySoundW")))
                 : nullptr;
  }();
  return playSound ? playSound(sound, module, flags) : FALSE;
}

BOOL SystemDeviceIoControl(HANDLE device, DWORD code, void* input, DWORD inputSize, void* output,
                           DWORD outputSize, DWORD* returned, OVERLAPPED* overlapped) {
  return ::DeviceIoControl(device, code, input, inputSize, output, outputSize, returned, overlapped);
}

HANDLE SystemCreateFile(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                        DWORD disposition, DWORD flags, HANDLE templateFile) {
  return ::CreateFileW(path, access, share, security, disposition, flags, templateFile);
}

}  // namespace

void PostHookError(HookError error, DWORD code) {
  ::PostMessageW(g_trayWindow, WM_HOOK_ERROR, static_cast<WPARAM>(error), static_cast<LPARAM>(code));
}

const ActionSeam kSystemActionSeam = {
    &::GetTickCount64,
    &::SendInput,
    &SystemPlaySound,
    &SystemCreateFile,
    &SystemDeviceIoControl,
    &::CloseHandle,
    &PostHookError,
};

const ActionSeam* g_actionSeam = &kSystemActionSeam;
