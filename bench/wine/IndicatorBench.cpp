// Measures, under Wine, a brightness turn end to end with a fake display: from
// SendInput of a wheel turn in a brightness corner, through the hook, the
// worker's step and its announcement, to the indicator's paint; and the
// worker's CPU time per step. Prints one Markdown table.
// Usage: indicator_bench [turns, default 200]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "devices/BrightnessWorker.h"
#include "hook/MouseHook.h"
#include "ui/BrightnessIndicator.h"
#include "tests/support/Input.h"
#include "tests/windows/FakeDevices.h"

namespace {

constexpr UINT kShown = WM_APP + 1;

struct Bench {
  BrightnessWorker* worker;
  BrightnessIndicator* indicator;
  LONGLONG lastPaint = 0;  // when the indicator was last drawn (Show paints before it returns)
};

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* bench = reinterpret_cast<Bench*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kShown && bench != nullptr) {
    BrightnessShown shown;
    if (bench->worker->shown().Take(shown)) {
      bench->indicator->Show(shown.percent, shown.corner);
      LARGE_INTEGER now;
      ::QueryPerformanceCounter(&now);
      bench->lastPaint = now.QuadPart;
    }
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

double ThreadCpuMicroseconds(HANDLE thread) {
  FILETIME created, exited, kernel, user;
  if (!::GetThreadTimes(thread, &created, &exited, &kernel, &user)) return 0;
  auto value = [](const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10.0;
  };
  return value(kernel) + value(user);
}

// A fake panel that also notes the CPU time of the thread that sets it: the worker's.
class TimedPanel final : public Panel {
 public:
  explicit TimedPanel(FakeDevices& fake) : m_fake(fake) {}
  DeviceAnswer SupportedLevels(std::vector<uint8_t>& levels) override { return m_fake.SupportedLevels(levels); }
  DeviceAnswer Read(PanelLevel& level) override { return m_fake.Read(level); }
  bool Shows(const ScreenRect& monitor) override { return m_fake.Shows(monitor); }
  DeviceAnswer Write(const PanelLevel& level) override {
    workerCpu = ThreadCpuMicroseconds(::GetCurrentThread());
    return m_fake.Write(level);
  }
  double workerCpu = 0;

 private:
  FakeDevices& m_fake;
};

}  // namespace

int main(int argc, char** argv) {
  const int turns = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
  FakeDevices fake;
  fake.realHook = true;
  TimedPanel panel(fake);
  BrightnessWorker worker(fake, panel, fake);
  AudioWorker audio(fake, fake, fake);
  Settings settings;  // top corners: brightness
  MouseHook hook({ComputeCornerZones(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)), settings},
                 fake.devices(), worker, audio);
  DWORD error = 0;
  if (!hook.Start(error)) {
    std::fprintf(stderr, "the hook could not be installed: %lu\n", error);
    return 1;
  }
  const Texts texts;
  BrightnessIndicator indicator(texts, fake);
  Bench bench{&worker, &indicator};
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &ListenerProc;
  windowClass.lpszClassName = L"BrimletIndicatorBench";
  ::RegisterClassExW(&windowClass);
  HWND listener = ::CreateWindowExW(0, windowClass.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr);
  ::SetWindowLongPtrW(listener, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&bench));
  worker.shown().AnnounceTo(listener, kShown);

  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> latencies;
  WheelAt(0, 0, 120);  // one step first, so the worker's CPU time so far is known
  for (const ULONGLONG end = ::GetTickCount64() + 2000; panel.workerCpu == 0 && ::GetTickCount64() < end;) ::Sleep(5);
  const double cpuBefore = panel.workerCpu;
  int lost = 0;
  for (int turn = 0; turn < turns; ++turn) {
    fake.reported.onBattery = static_cast<uint8_t>(40 + turn % 20);
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    WheelAt(0, 0, turn % 2 == 0 ? 120 : -120);
    const ULONGLONG deadline = ::GetTickCount64() + 2000;
    MSG msg;
    while (bench.lastPaint < start.QuadPart && ::GetTickCount64() < deadline) {
      if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT) == WAIT_OBJECT_0) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
      }
    }
    if (bench.lastPaint < start.QuadPart) {
      ++lost;
      continue;
    }
    latencies.push_back(1000.0 * static_cast<double>(bench.lastPaint - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
  }
  const double cpu = panel.workerCpu - cpuBefore;
  hook.Stop();
  worker.Stop();
  std::sort(latencies.begin(), latencies.end());
  const auto at = [&](double share) {
    return latencies.empty() ? 0.0 : latencies[static_cast<size_t>(share * static_cast<double>(latencies.size() - 1))];
  };
  std::printf("| turns | turn to first paint: median (ms) | p90 (ms) | slowest (ms) | worker CPU per step (us) | lost |\n");
  std::printf("|---|---|---|---|---|---|\n");
  std::printf("| %d | %.2f | %.2f | %.2f | %.1f | %d |\n", turns, at(0.5), at(0.9), at(1.0),
              cpu / static_cast<double>(turns), lost);
  std::printf("\nThe fake display answers at once: the figures are Brimlet's own path, not a driver's.\n");
  return 0;
}
