#include "hook/SystemActions.h"

#include <physicalmonitorenumerationapi.h>

#include "framework/SystemLibrary.h"

SystemActions::SystemActions() : m_winmm(LoadSystemLibrary(L"winmm.dll")) {
  Resolve(m_winmm.get(), "PlaySoundW", m_playSound);
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

bool SystemActions::LoadDxva2() {
  if (m_dxva2Tried) return m_destroyMonitors != nullptr;
  m_dxva2Tried = true;
  m_dxva2 = LoadSystemLibrary(L"dxva2.dll");  // never imported
  HMODULE library = m_dxva2.get();
  const bool all = Resolve(library, "GetNumberOfPhysicalMonitorsFromHMONITOR", m_countMonitors) &&
                   Resolve(library, "GetPhysicalMonitorsFromHMONITOR", m_getMonitors) &&
                   Resolve(library, "GetMonitorBrightness", m_getBrightness) &&
                   Resolve(library, "SetMonitorBrightness", m_setBrightness) &&
                   Resolve(library, "DestroyPhysicalMonitors", m_destroyMonitors);
  if (!all) m_destroyMonitors = nullptr;
  return all;
}

bool SystemActions::GetPrimaryPhysicalMonitors(std::vector<HANDLE>& monitors) {
  monitors.clear();
  if (!LoadDxva2()) return false;
  HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  DWORD count = 0;
  if (!m_countMonitors(primary, &count) || count == 0) return false;
  std::vector<PHYSICAL_MONITOR> physical(count);
  if (!m_getMonitors(primary, count, physical.data())) return false;
  for (const PHYSICAL_MONITOR& monitor : physical) monitors.push_back(monitor.hPhysicalMonitor);
  return true;
}

BOOL SystemActions::GetMonitorBrightness(HANDLE monitor, DWORD* minimum, DWORD* current, DWORD* maximum) {
  return m_getBrightness != nullptr ? m_getBrightness(monitor, minimum, current, maximum) : FALSE;
}

BOOL SystemActions::SetMonitorBrightness(HANDLE monitor, DWORD value) {
  return m_setBrightness != nullptr ? m_setBrightness(monitor, value) : FALSE;
}

void SystemActions::DestroyPhysicalMonitors(const std::vector<HANDLE>& monitors) {
  if (m_destroyMonitors == nullptr || monitors.empty()) return;
  std::vector<PHYSICAL_MONITOR> physical(monitors.size());
  for (size_t i = 0; i < monitors.size(); ++i) physical[i].hPhysicalMonitor = monitors[i];
  m_destroyMonitors(static_cast<DWORD>(physical.size()), physical.data());
}
