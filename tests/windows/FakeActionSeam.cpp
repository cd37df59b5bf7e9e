#include "tests/windows/FakeActionSeam.h"

#include <algorithm>

namespace {

HANDLE const kDevice = reinterpret_cast<HANDLE>(0x1234);

}  // namespace

FakeSystem::FakeSystem() : setGate(::CreateEventW(nullptr, TRUE, TRUE, nullptr)) {}

FakeSystem::~FakeSystem() { ::CloseHandle(setGate); }

ULONGLONG FakeSystem::TickCount() { return now; }

UINT FakeSystem::SendInput(UINT count, INPUT* sent, int size) {
  const std::lock_guard<std::mutex> hold(m_lock);
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  sendTimes.push_back(counter.QuadPart);
  order.push_back("send");
  sendCounts.push_back(count);
  if (size != sizeof(INPUT)) order.push_back("bad size");
  inputs.insert(inputs.end(), sent, sent + count);
  now += tickPerSend;
  ::SetLastError(sendError);
  return sendResult;
}

BOOL FakeSystem::PlayStepSound(const wchar_t* sound, HMODULE module, DWORD flags) {
  const std::lock_guard<std::mutex> hold(m_lock);
  order.push_back("sound");
  sounds.push_back({sound, module != nullptr, flags});
  return TRUE;
}

HANDLE FakeSystem::OpenDevice(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                              DWORD disposition, DWORD flags, HANDLE templateFile) {
  const std::lock_guard<std::mutex> hold(m_lock);
  order.push_back("open");
  opens.push_back({path, access, share, disposition, flags, security != nullptr, templateFile != nullptr});
  if (opensLeft-- <= 0) return INVALID_HANDLE_VALUE;
  ++openHandles;
  return kDevice;
}

BOOL FakeSystem::ControlDevice(HANDLE, DWORD code, void* input, DWORD inputSize, void* output, DWORD outputSize,
                               DWORD* returned, OVERLAPPED* overlapped) {
  constexpr DWORD kSupportedQuery = 0x00230494;  // IOCTL_VIDEO_QUERY_SUPPORTED_BRIGHTNESS
  if (code == kSupportedQuery) {
    const std::lock_guard<std::mutex> hold(m_lock);
    order.push_back("supported");
    if (supportedLevels.empty() || outputSize < supportedLevels.size()) return FALSE;
    std::copy(supportedLevels.begin(), supportedLevels.end(), static_cast<BYTE*>(output));
    *returned = static_cast<DWORD>(supportedLevels.size());
    return TRUE;
  }
  const bool query = output != nullptr;
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    order.push_back(query ? "query" : "set");
    requests.push_back({code, std::string(static_cast<const char*>(input), input ? inputSize : 0), outputSize,
                        overlapped != nullptr});
  }
  if (!query) {
    ::WaitForSingleObject(setGate, INFINITE);
    return TRUE;
  }
  if (!queryWorks || outputSize < 3) return FALSE;
  auto* reading = static_cast<BYTE*>(output);
  reading[0] = 7;
  reading[1] = 8;
  reading[2] = reportedLevel;
  *returned = 3;
  return TRUE;
}

BOOL FakeSystem::CloseDevice(HANDLE handle) {
  const std::lock_guard<std::mutex> hold(m_lock);
  order.push_back("close");
  ++closes;
  if (handle == kDevice) --openHandles;
  return TRUE;
}

HHOOK FakeSystem::InstallMouseHook(HOOKPROC procedure) {
  if (realHook) return ::SetWindowsHookExW(WH_MOUSE_LL, procedure, ::GetModuleHandleW(nullptr), 0);
  if (hookFails) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  // Nothing is installed: tests hand events to the hook themselves.
  return reinterpret_cast<HHOOK>(static_cast<ULONG_PTR>(1));
}

bool FakeSystem::WaitForSets(size_t count) {
  for (int tries = 0; tries < 500; ++tries) {
    {
      const std::lock_guard<std::mutex> hold(m_lock);
      size_t sets = 0;
      for (const std::string& step : order) sets += step == "set" ? 1 : 0;
      if (sets >= count) return true;
    }
    ::Sleep(10);
  }
  return false;
}

bool FakeSystem::WaitForCalls(size_t count) {
  for (int tries = 0; tries < 500; ++tries) {
    {
      const std::lock_guard<std::mutex> hold(m_lock);
      if (order.size() >= count) return true;
    }
    ::Sleep(10);
  }
  return false;
}

std::vector<BYTE> FakeSystem::LevelsSet() {
  const std::lock_guard<std::mutex> hold(m_lock);
  std::vector<BYTE> levels;
  for (const DeviceRequest& request : requests) {
    if (request.input.size() == 3) levels.push_back(static_cast<BYTE>(request.input[2]));
  }
  return levels;
}

namespace {
// Monitor handles are their index + 0x100, so a stale or foreign one shows.
HANDLE MonitorHandle(size_t index) { return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(index + 0x100)); }
size_t MonitorIndex(HANDLE handle) { return reinterpret_cast<ULONG_PTR>(handle) - 0x100; }
}  // namespace

bool FakeSystem::GetPrimaryPhysicalMonitors(std::vector<HANDLE>& handles) {
  const std::lock_guard<std::mutex> hold(m_lock);
  order.push_back("monitors");
  handles.clear();
  for (size_t i = 0; i < monitors.size(); ++i) handles.push_back(MonitorHandle(i));
  monitorHandlesOut += static_cast<int>(handles.size());
  return !handles.empty();
}

BOOL FakeSystem::GetMonitorBrightness(HANDLE monitor, DWORD* minimum, DWORD* current, DWORD* maximum) {
  FakeMonitor answer;
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    order.push_back("get monitor");
    answer = monitors.at(MonitorIndex(monitor));
  }
  ::Sleep(answer.takesMs);
  if (!answer.answers) return FALSE;
  *minimum = answer.minimum;
  *current = answer.current;
  *maximum = answer.maximum;
  return TRUE;
}

BOOL FakeSystem::SetMonitorBrightness(HANDLE monitor, DWORD value) {
  DWORD takes = 0;
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    order.push_back("set monitor");
    FakeMonitor& target = monitors.at(MonitorIndex(monitor));
    if (!target.answers) return FALSE;
    target.current = value;
    monitorSets.emplace_back(MonitorIndex(monitor), value);
    takes = target.takesMs;
  }
  ::Sleep(takes);
  return TRUE;
}

void FakeSystem::DestroyPhysicalMonitors(const std::vector<HANDLE>& handles) {
  const std::lock_guard<std::mutex> hold(m_lock);
  order.push_back("destroy monitors");
  monitorHandlesOut -= static_cast<int>(handles.size());
}

size_t FakeSystem::Count(const std::string& call) {
  const std::lock_guard<std::mutex> hold(m_lock);
  return static_cast<size_t>(std::count(order.begin(), order.end(), call));
}
