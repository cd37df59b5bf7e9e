// Stands in for dxva2.dll on the two-monitor bench, which has no DDC/CI
// monitor: one monitor behind each display, at 50 of 0..100 to begin with, each
// call taking about as long as a real monitor's (60 ms). After each level set,
// every level is written to %TEMP%\brimlet-ddc.txt, a line "left top level"
// per display, for the tests to read.
#include <windows.h>

#include <cstdio>

namespace {

struct StandInMonitor {
  LONG left;
  LONG top;
  DWORD level;
};
StandInMonitor g_monitors[8];
int g_count = 0;
SRWLOCK g_lock = SRWLOCK_INIT;
constexpr DWORD kCallMs = 60;

struct PhysicalMonitor {  // PHYSICAL_MONITOR
  HANDLE handle;
  WCHAR description[128];
};

HANDLE HandleOf(HMONITOR display) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(display, &info);
  ::AcquireSRWLockExclusive(&g_lock);
  int index = 0;
  while (index < g_count && (g_monitors[index].left != info.rcMonitor.left || g_monitors[index].top != info.rcMonitor.top)) {
    ++index;
  }
  if (index == g_count && g_count < 8) g_monitors[g_count++] = {info.rcMonitor.left, info.rcMonitor.top, 50};
  ::ReleaseSRWLockExclusive(&g_lock);
  return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index + 1));
}

StandInMonitor* Find(HANDLE handle) {
  const INT_PTR index = reinterpret_cast<INT_PTR>(handle) - 1;
  return index >= 0 && index < g_count ? &g_monitors[index] : nullptr;
}

void WriteLevels() {
  wchar_t path[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, path);
  ::wcscat_s(path, L"brimlet-ddc.txt");
  char text[512] = {};
  int length = 0;
  for (int i = 0; i < g_count; ++i) {
    length += std::snprintf(text + length, sizeof(text) - static_cast<size_t>(length), "%ld %ld %lu\n",
                            g_monitors[i].left, g_monitors[i].top, g_monitors[i].level);
  }
  HANDLE file = ::CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
  ::CloseHandle(file);
}

}  // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR, DWORD* count) {
  *count = 1;
  return TRUE;
}

__declspec(dllexport) BOOL WINAPI GetPhysicalMonitorsFromHMONITOR(HMONITOR display, DWORD count,
                                                                   PhysicalMonitor* monitors) {
  if (count < 1) return FALSE;
  monitors[0].handle = HandleOf(display);
  ::wcscpy_s(monitors[0].description, L"stand-in");
  return TRUE;
}

__declspec(dllexport) BOOL WINAPI GetMonitorBrightness(HANDLE monitor, DWORD* minimum, DWORD* current,
                                                       DWORD* maximum) {
  ::Sleep(kCallMs);
  ::AcquireSRWLockExclusive(&g_lock);
  const StandInMonitor* found = Find(monitor);
  if (found != nullptr) {
    *minimum = 0;
    *current = found->level;
    *maximum = 100;
  }
  ::ReleaseSRWLockExclusive(&g_lock);
  return found != nullptr;
}

__declspec(dllexport) BOOL WINAPI SetMonitorBrightness(HANDLE monitor, DWORD level) {
  ::Sleep(kCallMs);
  ::AcquireSRWLockExclusive(&g_lock);
  StandInMonitor* found = Find(monitor);
  if (found != nullptr) {
    found->level = level;
    WriteLevels();
  }
  ::ReleaseSRWLockExclusive(&g_lock);
  return found != nullptr;
}

__declspec(dllexport) BOOL WINAPI DestroyPhysicalMonitors(DWORD, PhysicalMonitor*) { return TRUE; }
}
