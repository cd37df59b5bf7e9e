// A stand-in for a DLL planted beside a downloaded executable: built as
// winmm.dll, it leaves a marker file beside itself the moment it is loaded.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring marker = path;
  marker = marker.substr(0, marker.rfind(L'\\')) + L"\\planted-library-loaded";
  HANDLE file = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI PlaySoundW(const wchar_t*, HMODULE, DWORD) { return TRUE; }
