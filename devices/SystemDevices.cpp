#include "devices/SystemDevices.h"

#include <mmsystem.h>
#include <physicalmonitorenumerationapi.h>
#include <winioctl.h>
// after winioctl.h, which it needs
#include <ntddvdeo.h>

#include <algorithm>
#include <iterator>

#include "core/KeyNames.h"
#include "framework/FileNames.h"
#include "framework/Geometry.h"
#include "framework/SystemLibrary.h"

namespace {

constexpr wchar_t kStepSoundFile[] = L"\\Media\\Windows Background.wav";  // in the Windows folder
constexpr wchar_t kPanelDevicePath[] = L"\\\\.\\LCD";

static_assert(sizeof(DISPLAY_BRIGHTNESS) == 3);

UniqueKernelHandle OpenPanel() {
  return UniqueKernelHandle(
      ::CreateFileW(kPanelDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

}  // namespace

SystemDevices::SystemDevices() : m_winmm(LoadSystemLibrary(L"winmm.dll")) {
  Resolve(m_winmm.get(), "PlaySoundW", m_playSound);
  // Windows need not be on C:.
  wchar_t windows[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
  if (length > 0 && length < MAX_PATH) m_stepSound = std::wstring(windows, length) + kStepSoundFile;
}

uint64_t SystemDevices::NowMs() { return ::GetTickCount64(); }

ForegroundWindow SystemDevices::Foreground() {
  HWND window = ::GetForegroundWindow();
  // The desktop and the shell's window are never full screen: as good as none.
  if (window == nullptr || window == ::GetDesktopWindow() || window == ::GetShellWindow()) return {};
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  return {reinterpret_cast<uintptr_t>(window), process};
}

std::wstring SystemDevices::ProgramName(uint32_t process) {
  // Limited information: granted for most processes, and answered without
  // waiting on the process itself. Only the file name counts, so the kernel's
  // own path will do: its conversion to a drive path can ask the network.
  const UniqueKernelHandle opened(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  if (!opened) return {};
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!::QueryFullProcessImageNameW(opened.get(), PROCESS_NAME_NATIVE, path, &size)) return {};
  const std::wstring_view image(path, size);
  const size_t slash = image.find_last_of(L"\\/");
  return std::wstring(slash == std::wstring_view::npos ? image : image.substr(slash + 1));
}

bool SystemDevices::SameFileName(std::wstring_view a, std::wstring_view b) { return ::SameFileName(a, b); }

bool SystemDevices::OverTaskbar(int32_t x, int32_t y) {
  // From the hook's thread, which has no window: WindowFromPoint then asks no
  // window anything (it hit-tests other threads' windows without a message),
  // and a class name is read without one.
  HWND under = ::WindowFromPoint(POINT{x, y});
  return under != nullptr && IsTaskbar(::GetAncestor(under, GA_ROOT));
}

uint64_t SystemDevices::WindowUnder(int32_t x, int32_t y) {
  // As OverTaskbar: from the hook's thread, no window is asked anything.
  HWND under = ::WindowFromPoint(POINT{x, y});
  return under != nullptr ? reinterpret_cast<uintptr_t>(::GetAncestor(under, GA_ROOT)) : 0;
}

bool SystemDevices::FullScreenOn(const ForegroundWindow& front, const ScreenRect& monitor) {
  if (front.window == 0) return false;
  const auto window = reinterpret_cast<HWND>(static_cast<uintptr_t>(front.window));
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  RECT rect{};
  if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info) ||
      !::GetWindowRect(window, &rect) || ToScreenRect(info.rcMonitor) != monitor) {
    return false;
  }
  // Exactly the monitor's rectangle: a maximised window leaves the taskbar or
  // reaches past the edges with its frame.
  return ToScreenRect(rect) == monitor;
}

namespace {

// Presses and releases of `key` with the scan code a real keyboard sends, all
// in one call: a press alone leaves the system believing the key is held down,
// and without the scan code a remote session or a remote-control tool types a
// letter instead. MapVirtualKey does not know these keys everywhere.
bool SendKey(WORD key, WORD scanCode, int32_t presses, DWORD& error) {
  INPUT keys[20] = {};  // ten presses: a step of 20 %
  const auto count = static_cast<UINT>(std::clamp(presses, 1, 10) * 2);
  for (UINT i = 0; i < count; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = key;
    keys[i].ki.wScan = scanCode;
    keys[i].ki.dwFlags = KEYEVENTF_EXTENDEDKEY | (i % 2 == 1 ? KEYEVENTF_KEYUP : 0);
  }
  if (::SendInput(count, keys, sizeof(INPUT)) != 0) return true;
  error = ::GetLastError();
  return false;
}

}  // namespace

bool SystemDevices::SendStep(bool up, int32_t presses, DWORD& error) {
  return SendKey(up ? VK_VOLUME_UP : VK_VOLUME_DOWN, up ? 0x30 : 0x2E, presses, error);  // E0 30, E0 2E
}

bool SystemDevices::SendMute(DWORD& error) { return SendKey(VK_VOLUME_MUTE, 0x20, 1, error); }  // E0 20

bool SystemDevices::SendModifierMask(DWORD& error) {
  // 0xE8 is unassigned: no program acts on it, and keyboard tools mask a
  // modifier with it (any key between Alt's press and release cancels the
  // menu bar, and Win's the Start menu).
  constexpr WORD kUnassignedKey = 0xE8;
  INPUT keys[2] = {};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = kUnassignedKey;
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  if (::SendInput(2, keys, sizeof(INPUT)) != 0) return true;
  error = ::GetLastError();
  return false;
}

uint8_t SystemDevices::HeldModifiers() {
  // The keyboard as it is now, not as a message queue has seen it.
  return ModifiersDown([](int key) { return (::GetAsyncKeyState(key) & 0x8000) != 0; });
}

void SystemDevices::Play() {
  if (m_playSound != nullptr && !m_stepSound.empty()) m_playSound(m_stepSound.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

HHOOK SystemDevices::InstallMouseHook(HOOKPROC procedure) {
  return ::SetWindowsHookExW(WH_MOUSE_LL, procedure, ::GetModuleHandleW(nullptr), 0);
}

HHOOK SystemDevices::InstallKeyboardHook(HOOKPROC procedure) {
  return ::SetWindowsHookExW(WH_KEYBOARD_LL, procedure, ::GetModuleHandleW(nullptr), 0);
}

DeviceAnswer SystemDevices::SupportedLevels(std::vector<uint8_t>& levels) {
  const UniqueKernelHandle panel = OpenPanel();
  if (!panel) return DeviceAnswer::Absent;
  uint8_t list[256] = {};
  DWORD returned = 0;
  if (!::DeviceIoControl(panel.get(), IOCTL_VIDEO_QUERY_SUPPORTED_BRIGHTNESS, nullptr, 0, list, sizeof(list),
                         &returned, nullptr) ||
      returned > sizeof(list)) {
    return DeviceAnswer::Failed;
  }
  levels.assign(list, list + returned);
  return DeviceAnswer::Done;
}

DeviceAnswer SystemDevices::Read(PanelLevel& level) {
  const UniqueKernelHandle panel = OpenPanel();
  if (!panel) return DeviceAnswer::Absent;
  DISPLAY_BRIGHTNESS reading{};
  DWORD returned = 0;
  if (!::DeviceIoControl(panel.get(), IOCTL_VIDEO_QUERY_DISPLAY_BRIGHTNESS, nullptr, 0, &reading, sizeof(reading),
                         &returned, nullptr)) {
    return DeviceAnswer::Failed;
  }
  level = {reading.ucDisplayPolicy, reading.ucACBrightness, reading.ucDCBrightness};
  return DeviceAnswer::Done;
}

DeviceAnswer SystemDevices::Write(const PanelLevel& level) {
  const UniqueKernelHandle panel = OpenPanel();
  if (!panel) return DeviceAnswer::Absent;
  DISPLAY_BRIGHTNESS request{};
  request.ucDisplayPolicy = level.policy;
  request.ucACBrightness = level.onMains;
  request.ucDCBrightness = level.onBattery;
  DWORD returned = 0;
  return ::DeviceIoControl(panel.get(), IOCTL_VIDEO_SET_DISPLAY_BRIGHTNESS, &request, sizeof(request), nullptr, 0,
                           &returned, nullptr)
             ? DeviceAnswer::Done
             : DeviceAnswer::Failed;
}

bool SystemDevices::LoadDxva2() {
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

bool SystemDevices::Shows(const ScreenRect& monitor) {
  // The display whose output is the machine's own panel (a laptop's or an
  // all-in-one's), found by its position on the desktop.
  UINT32 pathCount = 0;
  UINT32 modeCount = 0;
  if (::GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) return false;
  std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
  std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
  if (::QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(), nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  for (UINT32 i = 0; i < pathCount; ++i) {
    const DISPLAYCONFIG_PATH_INFO& path = paths[i];
    const auto technology = path.targetInfo.outputTechnology;
    const bool builtIn = technology == DISPLAYCONFIG_OUTPUT_TECHNOLOGY_INTERNAL ||
                         technology == DISPLAYCONFIG_OUTPUT_TECHNOLOGY_DISPLAYPORT_EMBEDDED ||
                         technology == DISPLAYCONFIG_OUTPUT_TECHNOLOGY_UDI_EMBEDDED;
    const UINT32 source = path.sourceInfo.modeInfoIdx;
    if (!builtIn || source >= modeCount || modes[source].infoType != DISPLAYCONFIG_MODE_INFO_TYPE_SOURCE) continue;
    const POINTL at = modes[source].sourceMode.position;
    if (at.x == monitor.left && at.y == monitor.top) return true;
  }
  return false;
}

bool SystemDevices::List(const ScreenRect& monitor, std::vector<HANDLE>& monitors) {
  monitors.clear();
  if (!LoadDxva2()) return false;
  HMONITOR display = ::MonitorFromPoint(POINT{monitor.left, monitor.top}, MONITOR_DEFAULTTOPRIMARY);
  DWORD count = 0;
  if (!m_countMonitors(display, &count) || count == 0) return false;
  std::vector<PHYSICAL_MONITOR> physical(count);
  if (!m_getMonitors(display, count, physical.data())) return false;
  for (const PHYSICAL_MONITOR& each : physical) monitors.push_back(each.hPhysicalMonitor);
  return true;
}

bool SystemDevices::Read(HANDLE monitor, MonitorLevel& level) {
  DWORD minimum = 0;
  DWORD current = 0;
  DWORD maximum = 0;
  if (m_getBrightness == nullptr || !m_getBrightness(monitor, &minimum, &current, &maximum)) return false;
  level = {minimum, current, maximum};
  return true;
}

bool SystemDevices::Write(HANDLE monitor, uint32_t value) {
  return m_setBrightness != nullptr && m_setBrightness(monitor, value);
}

void SystemDevices::Release(const std::vector<HANDLE>& monitors) {
  if (m_destroyMonitors == nullptr || monitors.empty()) return;
  std::vector<PHYSICAL_MONITOR> physical(monitors.size());
  for (size_t i = 0; i < monitors.size(); ++i) physical[i].hPhysicalMonitor = monitors[i];
  m_destroyMonitors(static_cast<DWORD>(physical.size()), physical.data());
}
