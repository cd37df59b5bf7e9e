#pragma once
// Stands in for the machine behind the corner actions and records what was
// done to it: which volume keys went out, which levels the panel and the
// monitors were set to, how often the hook was installed. The window in front
// is the real one. The worker calls it from its own thread: records are kept
// under a lock.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "devices/Devices.h"
#include "devices/SystemDevices.h"

// A monitor as DDC/CI would report it, behind one display or behind every one.
struct FakeMonitor {
  DWORD minimum = 0;
  DWORD current = 50;
  DWORD maximum = 100;
  bool answers = true;
  DWORD takesMs = 0;  // what each call costs: DDC/CI is slow
  DWORD staleMs = 0;  // for so long after a set it still reports the level before
  ScreenRect display{};  // the display it is behind; empty: every display
};

class FakeDevices final : public Clock,
                          public Desktop,
                          public Keys,
                          public StepSound,
                          public HookInstaller,
                          public Panel,
                          public Monitors,
                          public ProgramSound,
                          public Outputs {
 public:
  FakeDevices();
  ~FakeDevices();
  FakeDevices(const FakeDevices&) = delete;
  FakeDevices& operator=(const FakeDevices&) = delete;

  Devices devices() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this}; }

  // What the fake machine answers.
  uint64_t now = 5000;
  bool realClock = false;  // NowMs is GetTickCount64
  uint64_t tickPerSend = 0;  // time a send takes
  bool sendWorks = true;
  DWORD sendError = 0;
  int panelCallsLeft = 1000;  // panel calls answered before the panel goes away
  bool readWorks = true;
  PanelLevel reported{2, 50, 50};  // on battery at 50 %
  std::vector<uint8_t> supportedLevels;  // the panel's list; empty: the query fails
  HANDLE writeGate;  // a panel write waits for this manual-reset event: a slow driver
  std::vector<FakeMonitor> monitors;
  ScreenRect panelScreen{0, 0, 1920, 1080};  // the display the panel is
  std::vector<ScreenRect> listedFor;  // the display each list was asked for
  uint8_t heldModifiers = 0;  // the modifier keys held down
  bool hookFails = false;  // InstallMouseHook fails with ERROR_ACCESS_DENIED
  bool realHook = false;   // InstallMouseHook installs the real hook
  uint64_t windowUnder = 0x1234;  // the top-level window under the pointer
  SoundProgram program{77, L"player.exe", L"Player"};  // behind every window
  std::vector<SoundSession> sessions;  // what Core Audio lists, and keeps what is set
  HANDLE sessionsGate;
  std::vector<OutputDevice> outputs;  // the active outputs; MakeDefault moves the mark
  bool outputsSwitch = true;  // listing the sessions waits for this manual-reset event: a busy audio service

  // What was done.
  std::vector<bool> keys;           // each volume key pressed: true for up
  int mutes = 0;
  int masks = 0;  // modifier masks sent
  int keyboardHooks = 0;  // keyboard hooks installed
  DWORD keyboardHookThread = 0;  // the thread that installed the last one
  std::vector<LONGLONG> keyTimes;   // QueryPerformanceCounter at each send
  int sounds = 0;
  DWORD soundThread = 0;  // the thread that started the last sound
  std::vector<PanelLevel> panelWrites;
  std::vector<std::pair<size_t, DWORD>> monitorSets;  // which monitor, what value
  int monitorHandlesOut = 0;
  int installs = 0;
  int installPriority = 0;  // the priority of the thread the hook was last installed on
  HHOOK lastHook = nullptr;  // the real hook last installed, for a test that removes it behind the program's back
  std::vector<uint32_t> programWindows;  // the window of each program looked for
  std::vector<std::string> calls;  // in order: "key", "mute", "mask", "sound", "supported", "read", "write", "monitors",
                                   // "read monitor", "write monitor", "release monitors", "sessions", "set session"

  size_t Count(const std::string& call);
  // Waits (a few seconds at most) until `call` was made `count` times.
  bool WaitFor(const std::string& call, size_t count);
  std::vector<uint8_t> LevelsSet();  // the level of each panel write, for its source

  uint64_t NowMs() override;
  ForegroundWindow Foreground() override { return m_system.Foreground(); }
  bool FullScreenOn(const ForegroundWindow& window, const ScreenRect& monitor) override {
    return m_system.FullScreenOn(window, monitor);
  }
  std::wstring ProgramName(uint32_t process) override { return m_system.ProgramName(process); }
  bool SameFileName(std::wstring_view a, std::wstring_view b) override { return m_system.SameFileName(a, b); }
  bool OverTaskbar(int32_t x, int32_t y) override { return m_system.OverTaskbar(x, y); }
  uint8_t HeldModifiers() override { return heldModifiers; }
  uint64_t WindowUnder(int32_t, int32_t) override { return windowUnder; }
  bool ProgramOf(uint64_t window, SoundProgram& found) override;
  bool Sessions(std::vector<SoundSession>& listed) override;
  bool Set(size_t session, float level, bool setLevel, bool muted) override;
  void Close() override {}
  bool List(std::vector<OutputDevice>& listed) override;
  bool CanSwitch() override { return outputsSwitch; }
  bool MakeDefault(const std::wstring& id) override;
  bool SendStep(bool up, int32_t presses, DWORD& error) override;
  bool SendMute(DWORD& error) override;
  bool SendModifierMask(DWORD& error) override;
  void Play() override;
  HHOOK InstallMouseHook(HOOKPROC procedure) override;
  HHOOK InstallKeyboardHook(HOOKPROC procedure) override;
  DeviceAnswer SupportedLevels(std::vector<uint8_t>& levels) override;
  DeviceAnswer Read(PanelLevel& level) override;
  DeviceAnswer Write(const PanelLevel& level) override;
  bool Shows(const ScreenRect& monitor) override { return monitor == panelScreen; }
  bool List(const ScreenRect& monitor, std::vector<HANDLE>& handles) override;
  bool Read(HANDLE monitor, MonitorLevel& level) override;
  bool Write(HANDLE monitor, uint32_t value) override;
  void Release(const std::vector<HANDLE>& handles) override;

 private:
  bool PanelAnswers();

  SystemDevices m_system;
  std::mutex m_lock;
  std::vector<std::pair<DWORD, uint64_t>> m_before;  // each monitor's level before its last set, and when
};
