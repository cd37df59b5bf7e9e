#include "tests/windows/FakeDevices.h"

#include <algorithm>

namespace {

// Monitor handles are their index + 0x100, so a stale or foreign one shows.
HANDLE MonitorHandle(size_t index) { return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(index + 0x100)); }
size_t MonitorIndex(HANDLE handle) { return reinterpret_cast<ULONG_PTR>(handle) - 0x100; }

}  // namespace

FakeDevices::FakeDevices()
    : writeGate(::CreateEventW(nullptr, TRUE, TRUE, nullptr)), sessionsGate(::CreateEventW(nullptr, TRUE, TRUE, nullptr)) {}

FakeDevices::~FakeDevices() {
  ::CloseHandle(writeGate);
  ::CloseHandle(sessionsGate);
}

bool FakeDevices::ProgramOf(uint64_t window, SoundProgram& found) {
  const std::lock_guard<std::mutex> hold(m_lock);
  programWindows.push_back(static_cast<uint32_t>(window));
  found = program;
  return window != 0;
}

bool FakeDevices::Sessions(std::vector<SoundSession>& listed) {
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    calls.emplace_back("sessions");
  }
  ::WaitForSingleObject(sessionsGate, INFINITE);
  const std::lock_guard<std::mutex> hold(m_lock);
  listed = sessions;
  return true;
}

bool FakeDevices::Set(size_t session, float level, bool setLevel, bool muted) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("set session");
  if (session >= sessions.size()) return false;
  if (setLevel) sessions[session].level = level;
  sessions[session].muted = muted;
  return true;
}

uint64_t FakeDevices::NowMs() { return realClock ? ::GetTickCount64() : now; }

bool FakeDevices::SendStep(bool up, int32_t presses, DWORD& error) {
  const std::lock_guard<std::mutex> hold(m_lock);
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  keyTimes.push_back(counter.QuadPart);
  calls.emplace_back("key");
  keys.insert(keys.end(), static_cast<size_t>(presses), up);
  now += tickPerSend;
  error = sendError;
  return sendWorks;
}

bool FakeDevices::SendMute(DWORD& error) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("mute");
  ++mutes;
  now += tickPerSend;
  error = sendError;
  return sendWorks;
}

bool FakeDevices::SendModifierMask(DWORD& error) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("mask");
  ++masks;
  error = sendError;
  return sendWorks;
}

HHOOK FakeDevices::InstallKeyboardHook(HOOKPROC procedure) {
  ++keyboardHooks;
  keyboardHookThread = ::GetCurrentThreadId();
  return realHook ? ::SetWindowsHookExW(WH_KEYBOARD_LL, procedure, ::GetModuleHandleW(nullptr), 0)
                  : reinterpret_cast<HHOOK>(static_cast<ULONG_PTR>(2));
}

void FakeDevices::Play() {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("sound");
  ++sounds;
  soundThread = ::GetCurrentThreadId();
}

HHOOK FakeDevices::InstallMouseHook(HOOKPROC procedure) {
  ++installs;
  installPriority = ::GetThreadPriority(::GetCurrentThread());
  if (hookFails) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  // Without the real hook nothing is installed: tests hand events to the hook themselves.
  lastHook = realHook ? ::SetWindowsHookExW(WH_MOUSE_LL, procedure, ::GetModuleHandleW(nullptr), 0)
                      : reinterpret_cast<HHOOK>(static_cast<ULONG_PTR>(1));
  return lastHook;
}

bool FakeDevices::PanelAnswers() { return panelCallsLeft-- > 0; }

DeviceAnswer FakeDevices::SupportedLevels(std::vector<uint8_t>& levels) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("supported");
  if (!PanelAnswers()) return DeviceAnswer::Absent;
  if (supportedLevels.empty()) return DeviceAnswer::Failed;
  levels = supportedLevels;
  return DeviceAnswer::Done;
}

DeviceAnswer FakeDevices::Read(PanelLevel& level) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("read");
  if (!PanelAnswers()) return DeviceAnswer::Absent;
  if (!readWorks) return DeviceAnswer::Failed;
  level = reported;
  return DeviceAnswer::Done;
}

DeviceAnswer FakeDevices::Write(const PanelLevel& level) {
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    calls.emplace_back("write");
    if (!PanelAnswers()) return DeviceAnswer::Absent;
  }
  ::WaitForSingleObject(writeGate, INFINITE);
  const std::lock_guard<std::mutex> hold(m_lock);
  panelWrites.push_back(level);
  return DeviceAnswer::Done;
}

bool FakeDevices::List(const ScreenRect& monitor, std::vector<HANDLE>& handles) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("monitors");
  listedFor.push_back(monitor);
  handles.clear();
  for (size_t i = 0; i < monitors.size(); ++i) {
    if (monitors[i].display == ScreenRect{} || monitors[i].display == monitor) handles.push_back(MonitorHandle(i));
  }
  monitorHandlesOut += static_cast<int>(handles.size());
  m_before.resize(monitors.size(), {0, 0});
  return !handles.empty();
}

bool FakeDevices::Read(HANDLE monitor, MonitorLevel& level) {
  FakeMonitor answer;
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    calls.emplace_back("read monitor");
    answer = monitors.at(MonitorIndex(monitor));
    const auto& [before, setAt] = m_before.at(MonitorIndex(monitor));
    if (setAt != 0 && ::GetTickCount64() - setAt < answer.staleMs) answer.current = before;
  }
  ::Sleep(answer.takesMs);
  if (!answer.answers) return false;
  level = {answer.minimum, answer.current, answer.maximum};
  return true;
}

bool FakeDevices::Write(HANDLE monitor, uint32_t value) {
  DWORD takes = 0;
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    calls.emplace_back("write monitor");
    FakeMonitor& target = monitors.at(MonitorIndex(monitor));
    if (!target.answers) return false;
    m_before.at(MonitorIndex(monitor)) = {target.current, ::GetTickCount64()};
    target.current = value;
    monitorSets.emplace_back(MonitorIndex(monitor), value);
    takes = target.takesMs;
  }
  ::Sleep(takes);
  return true;
}

void FakeDevices::Release(const std::vector<HANDLE>& handles) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("release monitors");
  monitorHandlesOut -= static_cast<int>(handles.size());
}

size_t FakeDevices::Count(const std::string& call) {
  const std::lock_guard<std::mutex> hold(m_lock);
  return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
}

bool FakeDevices::WaitFor(const std::string& call, size_t count) {
  for (int tries = 0; tries < 500; ++tries) {
    if (Count(call) >= count) return true;
    ::Sleep(10);
  }
  return false;
}

std::vector<uint8_t> FakeDevices::LevelsSet() {
  const std::lock_guard<std::mutex> hold(m_lock);
  std::vector<uint8_t> levels;
  for (const PanelLevel& level : panelWrites) levels.push_back(level.policy == 1 ? level.onMains : level.onBattery);
  return levels;
}

bool FakeDevices::List(std::vector<OutputDevice>& listed) {
  const std::lock_guard<std::mutex> hold(m_lock);
  listed = outputs;
  return true;
}

bool FakeDevices::MakeDefault(const std::wstring& id) {
  const std::lock_guard<std::mutex> hold(m_lock);
  calls.emplace_back("default output");
  for (OutputDevice& output : outputs) output.isDefault = output.id == id;
  return outputsSwitch;
}
