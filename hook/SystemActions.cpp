#include "hook/SystemActions.h"

SystemActions::SystemActions() : m_winmm(::LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
  if (m_winmm) {
    m_playSound = reinterpret_cast<PlaySoundFunction>(
        reinterpret_cast<void*>(::GetProcAddress(m_winmm.get(), "PlaySoundW")));
  }
}

ULONGLONG SystemActions::TickCount() { return ::GetTickCount64(); }

UINT SystemActions::SendInput(UINT count, INPUT* inputs, int size) { return ::SendInput(count, inputs, size); }

BOOL SystemActions::PlayStepSound(const wchar_t* sound, HMODULE module, DWORD flags) {
  return m_playSound != nullptr ? m_playSound(sound, module, flags) : FALSE;
}

HANDLE SystemActions::OpenDevice(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                                 DWORD disposition, DWORD flags, HANDLE templateFile) {
  return ::CreateFileW(path, access, share, security, disposition, flags, templateFile);
}

BOOL SystemActions::ControlDevice(HANDLE device, DWORD code, void* input, DWORD inputSize, void* output,
                                  DWORD outputSize, DWORD* returned, OVERLAPPED* overlapped) {
  return ::DeviceIoControl(device, code, input, inputSize, output, outputSize, returned, overlapped);
}

BOOL SystemActions::CloseDevice(HANDLE device) { return ::CloseHandle(device); }

HHOOK SystemActions::InstallMouseHook(HOOKPROC procedure) {
  return ::SetWindowsHookExW(WH_MOUSE_LL, procedure, ::GetModuleHandleW(nullptr), 0);
}
