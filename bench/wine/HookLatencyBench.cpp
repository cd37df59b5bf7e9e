// Measures, under Wine, what Brimlet's low-level mouse hook costs:
// - every non-wheel mouse event: from SendInput until the event reaches a hook
//   installed before Brimlet's (so it runs after Brimlet's has passed it on),
//   against the same with a pass-through hook program in Brimlet's place;
// - the volume path: from SendInput of a wheel turn in a corner until the
//   injected volume key reaches a keyboard hook, against a program that
//   injects the key straight from its own hook; and the same from a wheel turn
//   over a taskbar (a stand-in along the bottom), which asks which window is
//   under the pointer.
// Prints one Markdown table. Usage: hook_latency_bench [events per measurement]
// With "idle SECONDS": starts Brimlet, prints "ready", leaves it idle for that
// long and prints the CPU time it used meanwhile (the caller counts wake-ups).
// With "program EVENTS" (the stand-in Core Audio in place): from SendInput of
// a notch with the program's key held over this program's window until its
// audio session has the new level, against Brimlet's own corner volume path.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/StandInSound.h"
#include "tests/support/BrimletWindows.h"
#include "tests/support/Input.h"
#include "tests/support/StandInTaskbar.h"
#include "tests/support/TestFiles.h"

namespace {

constexpr ULONG_PTR kMarker = 0xB121;
constexpr wchar_t kReadyEvent[] = L"BrimletBench.Ready";

LARGE_INTEGER g_frequency;
HANDLE g_mouseSeen = nullptr;
HANDLE g_keySeen = nullptr;
volatile LONGLONG g_mouseTime = 0;
volatile LONGLONG g_keyTime = 0;

LONGLONG Now() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

LRESULT CALLBACK ObserveMouse(int code, WPARAM wParam, LPARAM lParam) {
  const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && event->dwExtraInfo == kMarker && wParam == WM_MOUSEMOVE) {
    g_mouseTime = Now();
    ::SetEvent(g_mouseSeen);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ObserveKeys(int code, WPARAM wParam, LPARAM lParam) {
  const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  // The press marks the step; its release follows in the same injection.
  if (code == HC_ACTION && wParam == WM_KEYDOWN && (event->vkCode == VK_VOLUME_UP || event->vkCode == VK_VOLUME_DOWN)) {
    g_keyTime = Now();
    ::SetEvent(g_keySeen);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI ObserverThread(LPVOID ready) {
  ::SetWindowsHookExW(WH_MOUSE_LL, &ObserveMouse, ::GetModuleHandleW(nullptr), 0);
  ::SetWindowsHookExW(WH_KEYBOARD_LL, &ObserveKeys, ::GetModuleHandleW(nullptr), 0);
  MSG msg;
  ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  ::SetEvent(static_cast<HANDLE>(ready));
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  return 0;
}

struct Samples {
  std::vector<double> microseconds;
  int lost = 0;
  double cpuMicroseconds = 0;  // spent by the program in the hook chain
};

struct Figures {
  double median = 0;
  double p99 = 0;
  double cpuPerEvent = 0;
  size_t count = 0;
  int lost = 0;
};

// User and kernel time of a process so far, in microseconds.
double CpuMicroseconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (process == nullptr || !::GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  auto value = [](const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10.0;
  };
  return value(kernel) + value(user);
}

// Runs `measure` and adds the CPU time `process` spent meanwhile to `samples`.
template <class Measure>
void WithCpuTime(HANDLE process, Samples& samples, Measure measure) {
  const double before = CpuMicroseconds(process);
  measure();
  samples.cpuMicroseconds += CpuMicroseconds(process) - before;
}

Figures Summarise(Samples samples) {
  Figures figures;
  figures.lost = samples.lost;
  figures.count = samples.microseconds.size();
  if (samples.microseconds.empty()) return figures;
  figures.cpuPerEvent = samples.cpuMicroseconds / static_cast<double>(figures.count);
  std::vector<double>& sorted = samples.microseconds;
  std::sort(sorted.begin(), sorted.end());
  figures.median = sorted[sorted.size() / 2];
  figures.p99 = sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
  return figures;
}

double Microseconds(LONGLONG ticks) { return static_cast<double>(ticks) * 1e6 / static_cast<double>(g_frequency.QuadPart); }

// A pointer move (not a wheel turn) until it has passed every hook.
void MeasureMoves(int events, Samples& samples) {
  for (int i = 0; i < events; ++i) {
    ::ResetEvent(g_mouseSeen);
    const LONGLONG start = Now();
    SendMouseAt(900 + (i % 2) * 20, 500, 0, 0, kMarker);
    if (::WaitForSingleObject(g_mouseSeen, 2000) != WAIT_OBJECT_0) {
      ++samples.lost;
      continue;
    }
    samples.microseconds.push_back(Microseconds(g_mouseTime - start));
  }
}

// A wheel turn at `at` (by default in the bottom-right corner) until its volume key is seen.
void MeasureVolumePath(int events, Samples& samples, POINT at = {1919, 1079}) {
  for (int i = 0; i < events; ++i) {
    ::ResetEvent(g_keySeen);
    const LONGLONG start = Now();
    SendMouseAt(at.x, at.y, MOUSEEVENTF_WHEEL, i % 2 ? 120 : -120, kMarker);
    if (::WaitForSingleObject(g_keySeen, 2000) != WAIT_OBJECT_0) {
      ++samples.lost;
      continue;
    }
    samples.microseconds.push_back(Microseconds(g_keyTime - start));
  }
}


// A program started for one measurement and ended the way it ends itself:
// a process terminated with its hook in place leaves Wine waiting on that
// hook for every later event.
class Program {
 public:
  Program(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                         &startup, &info)) {
      ::CloseHandle(info.hThread);
      m_process = info.hProcess;
      m_pid = info.dwProcessId;
      m_loopThread = info.dwThreadId;
    }
  }
  ~Program() {
    if (m_process == nullptr) return;
    ::PostThreadMessageW(m_loopThread, WM_QUIT, 0, 0);  // ends Brimlet's tray loop as its Exit does
    if (::WaitForSingleObject(m_process, 5000) != WAIT_OBJECT_0) {
      ::TerminateProcess(m_process, 0);
      ::WaitForSingleObject(m_process, 10000);
    }
    ::CloseHandle(m_process);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD pid() const { return m_pid; }
  HANDLE process() const { return m_process; }
  // The thread whose message loop ends the program, when it is not the first one.
  void SetLoopThread(DWORD thread) { m_loopThread = thread; }

 private:
  HANDLE m_process = nullptr;
  DWORD m_pid = 0;
  DWORD m_loopThread = 0;
};

std::unique_ptr<Program> StartReference(const wchar_t* mode) {
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, kReadyEvent);
  auto program = std::make_unique<Program>(TestProgramFolder() + L"\\reference_hook.exe",
                                           std::wstring(mode) + L" " + kReadyEvent, TestProgramFolder());
  ::WaitForSingleObject(ready, 10000);
  ::CloseHandle(ready);
  ::Sleep(200);
  return program;
}

// Brimlet from a folder of its own: every corner a volume corner, the taskbar
// and every edge acting, no interval, zones on every monitor, program rules,
// the middle-click mute, a held key and the program's key (Shift) set (the
// modifiers are read for wheel turns only).
std::unique_ptr<Program> StartBrimlet() {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"brimlet-bench";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  ::CopyFileW((TestProgramFolder() + L"\\Brimlet.exe").c_str(), (folder + L"\\Brimlet.exe").c_str(), FALSE);
  const char config[] = "[Brimlet]\r\nLTControll = 1\r\nLBControll = 1\r\nRTControll = 1\r\nRBControll = 1\r\n"
                        "Interval = 0\r\nAllScreens = true\r\nIgnorePrograms = game.exe; editor.exe\r\n"
                        "ActInFullScreen = player.exe\r\nMiddleClickMute = true\r\nTaskbar = 1\r\n"
                        "LeftEdge = 1\r\nRightEdge = 1\r\nTopEdge = 1\r\nBottomEdge = 1\r\nKeyWheel = Ctrl\r\n"
                        "AppKeyWheel = Shift\r\nLevelIndicator = false\r\n";
  HANDLE file = ::CreateFileW((folder + L"\\config.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, config, sizeof(config) - 1, &written, nullptr);
  ::CloseHandle(file);
  auto program = std::make_unique<Program>(folder + L"\\Brimlet.exe", L"", folder);
  // Ready once a wheel turn in a corner comes back as a key.
  for (int attempt = 0; attempt < 100; ++attempt) {
    ::ResetEvent(g_keySeen);
    SendMouseAt(1919, 1079, MOUSEEVENTF_WHEEL, -120, kMarker);
    if (::WaitForSingleObject(g_keySeen, 200) == WAIT_OBJECT_0) break;
  }
  if (HWND tray = FindTrayWindow(program->pid())) program->SetLoopThread(::GetWindowThreadProcessId(tray, nullptr));
  ::Sleep(200);
  return program;
}

double Ratio(double value, double reference) { return reference > 0 ? value / reference : 0.0; }

void Row(const char* what, const char* program, const Figures& figures, const Figures& reference) {
  std::printf("| %s | %s | %.0f | %.0f | %.2fx | %.2fx | %.1f | %.2fx | %zu | %d |\n", what, program,
              figures.median, figures.p99, Ratio(figures.median, reference.median), Ratio(figures.p99, reference.p99),
              figures.cpuPerEvent, Ratio(figures.cpuPerEvent, reference.cpuPerEvent), figures.count, figures.lost);
}

}  // namespace

// Brimlet left alone: what it costs while nobody touches the mouse.
// Brimlet and the pass-through reference left alone side by side: what they
// cost while nobody touches the mouse.
int MeasureIdle(int seconds) {
  const auto reference = StartReference(L"pass");
  const auto brimlet = StartBrimlet();
  const double brimletBefore = CpuMicroseconds(brimlet->process());
  const double referenceBefore = CpuMicroseconds(reference->process());
  std::printf("ready\n");
  std::fflush(stdout);
  ::Sleep(static_cast<DWORD>(seconds) * 1000);
  std::printf("idle CPU: Brimlet %.1f ms, reference %.1f ms in %d s\n",
              (CpuMicroseconds(brimlet->process()) - brimletBefore) / 1000.0,
              (CpuMicroseconds(reference->process()) - referenceBefore) / 1000.0, seconds);
  return 0;
}

// Notches with Shift held over a window of this process, whose one session
// the stand-in Core Audio serves, until the session's level has moved.
int MeasureProgramVolume(int events) {
  HANDLE mapping = nullptr;
  StandInSound* sound = OpenStandInSound(mapping);
  if (sound == nullptr) return 1;
  sound->sessions[0] = {::GetCurrentProcessId(), 0, 0, 0.50F, 0};
  sound->count = 1;
  const auto brimlet = StartBrimlet();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &::DefWindowProcW;
  windowClass.lpszClassName = L"BrimletBenchProgram";
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"program", WS_POPUP | WS_VISIBLE, 700, 300, 500, 400,
                                  nullptr, nullptr, nullptr, nullptr);
  PointerAt(960, 540);
  Samples program, corner, discarded;
  const auto notch = [&](int count, Samples& samples) {
    for (int i = 0; i < count; ++i) {
      const float before = sound->sessions[0].level;
      const LONGLONG start = Now();
      SendAll({KeyEvent(VK_SHIFT, false), MouseAt(960, 540, MOUSEEVENTF_WHEEL, i % 2 ? -120 : 120, kMarker),
               KeyEvent(VK_SHIFT, true)});
      const ULONGLONG deadline = ::GetTickCount64() + 2000;
      while (sound->sessions[0].level == before && ::GetTickCount64() < deadline) ::Sleep(0);
      if (sound->sessions[0].level == before) {
        ++samples.lost;
        continue;
      }
      samples.microseconds.push_back(Microseconds(Now() - start));
    }
  };
  notch(50, discarded);
  WithCpuTime(brimlet->process(), program, [&] { notch(events, program); });
  MeasureVolumePath(50, discarded);
  WithCpuTime(brimlet->process(), corner, [&] { MeasureVolumePath(events, corner); });
  const Figures inACorner = Summarise(corner);
  std::printf("| path | program in the hook chain | median (us) | p99 (us) | median vs ref. | p99 vs ref. | "
              "its CPU per event (us) | CPU vs ref. | events | lost |\n|---|---|---|---|---|---|---|---|---|---|\n");
  Row("wheel in a corner to volume key (reference)", "Brimlet", inACorner, inACorner);
  Row("notch with the program's key to its session's level", "Brimlet", Summarise(program), inACorner);
  ::DestroyWindow(window);
  ::UnmapViewOfFile(sound);
  ::CloseHandle(mapping);
  return 0;
}

int main(int argc, char** argv) {
  const bool idle = argc > 2 && std::string(argv[1]) == "idle";
  const bool programVolume = argc > 2 && std::string(argv[1]) == "program";
  const int events = argc > 1 && !idle ? std::max(100, std::atoi(argv[1])) : 2000;
  // The programs take turns, round after round, so that drifts of the machine
  // (other load, clocks) fall on all of them alike.
  constexpr int kRounds = 8;
  const int perRound = events / kRounds;
  const int warmUp = 50;
  ::QueryPerformanceFrequency(&g_frequency);
  g_mouseSeen = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  g_keySeen = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE observerReady = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ::CreateThread(nullptr, 0, &ObserverThread, observerReady, 0, nullptr);
  ::WaitForSingleObject(observerReady, 10000);
  if (idle) return MeasureIdle(std::max(1, std::atoi(argv[2])));
  if (programVolume) return MeasureProgramVolume(std::max(100, std::atoi(argv[2])));

  // A taskbar along the bottom of the bench's screen, as Windows has one.
  const StandInTaskbar taskbar(L"Shell_TrayWnd", {0, 1040, 1920, 1080});
  const POINT overTheTaskbar{960, 1060};
  Samples movesAlone, movesPassThrough, movesBrimlet, volumeDirect, volumeBrimlet, taskbarBrimlet, discarded;
  for (int round = 0; round < kRounds; ++round) {
    MeasureMoves(warmUp, discarded);
    MeasureMoves(perRound, movesAlone);
    {
      const auto passThrough = StartReference(L"pass");
      MeasureMoves(warmUp, discarded);
      WithCpuTime(passThrough->process(), movesPassThrough, [&] { MeasureMoves(perRound, movesPassThrough); });
    }
    {
      const auto direct = StartReference(L"key");
      MeasureVolumePath(warmUp, discarded);
      WithCpuTime(direct->process(), volumeDirect, [&] { MeasureVolumePath(perRound, volumeDirect); });
    }
    {
      const auto brimlet = StartBrimlet();
      MeasureMoves(warmUp, discarded);
      WithCpuTime(brimlet->process(), movesBrimlet, [&] { MeasureMoves(perRound, movesBrimlet); });
      MeasureVolumePath(warmUp, discarded);
      WithCpuTime(brimlet->process(), volumeBrimlet, [&] { MeasureVolumePath(perRound, volumeBrimlet); });
      MeasureVolumePath(warmUp, discarded, overTheTaskbar);
      WithCpuTime(brimlet->process(), taskbarBrimlet,
                  [&] { MeasureVolumePath(perRound, taskbarBrimlet, overTheTaskbar); });
    }
  }

  const Figures passThrough = Summarise(movesPassThrough);
  const Figures direct = Summarise(volumeDirect);
  std::printf("| path | program in the hook chain | median (us) | p99 (us) | median vs ref. | p99 vs ref. | "
              "its CPU per event (us) | CPU vs ref. | events | lost |\n|---|---|---|---|---|---|---|---|---|---|\n");
  Row("mouse move", "none (the observer's own hook only)", Summarise(movesAlone), passThrough);
  Row("mouse move", "pass-through hook (reference)", passThrough, passThrough);
  Row("mouse move", "Brimlet", Summarise(movesBrimlet), passThrough);
  Row("wheel in a corner to volume key", "key injected from the hook (reference)", direct, direct);
  const Figures inACorner = Summarise(volumeBrimlet);
  Row("wheel in a corner to volume key", "Brimlet", inACorner, direct);
  Row("wheel over the taskbar to volume key", "Brimlet (against itself in a corner)", Summarise(taskbarBrimlet),
      inACorner);
  std::printf("\n%d rounds; in each, %d events per program and path after %d to warm up.\n", kRounds, perRound,
              warmUp);
  return 0;
}
