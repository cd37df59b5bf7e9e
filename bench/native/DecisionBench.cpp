// The decision the mouse hook makes for every mouse event of the desktop, per
// call, on four monitors with corners on each, program rules and both held
// keys set: a non-wheel event, a wheel turn outside the corners, in a corner,
// over the taskbar, on an edge, and with the program's key held (the decision
// only, with the window in front answered at once; the action itself is
// measured under Wine).
#include <benchmark/benchmark.h>

#include "core/CornerWheel.h"

namespace {

constexpr uint32_t kMouseMove = 0x0200;

struct InstantDesktop final : Desktop, Clock {
  ForegroundWindow Foreground() override { return {1, 100}; }
  bool FullScreenOn(const ForegroundWindow&, const ScreenRect&) override { return false; }
  std::wstring ProgramName(uint32_t) override { return L"explorer.exe"; }
  bool SameFileName(std::wstring_view a, std::wstring_view b) override { return a == b; }
  bool OverTaskbar(int32_t, int32_t y) override { return y >= 1040 && y < 1080; }
  uint8_t HeldModifiers() override { return held; }
  uint64_t WindowUnder(int32_t, int32_t) override { return 0x1234; }
  uint64_t NowMs() override { return 10'000; }
  uint8_t held = 0;
};

CornerSnapshot FourMonitors() {
  const MonitorList monitors{1, {{0, 0, 1920, 1080}, {1920, 0, 4480, 1440}, {-1280, 0, 0, 1024}, {0, 1080, 1920, 2160}}};
  CornerSnapshot snapshot{ComputeScreenZones(monitors), Settings{}};
  snapshot.settings.allScreens = true;
  snapshot.settings.volumeInterval = 0;
  snapshot.settings.middleClickMute = true;
  snapshot.settings.taskbar = 1;
  snapshot.settings.leftEdge = snapshot.settings.rightEdge = snapshot.settings.topEdge = snapshot.settings.bottomEdge = 2;
  snapshot.settings.keyWheelModifiers = kCtrl;
  snapshot.settings.appKeyWheelModifiers = kShift;
  snapshot.settings.ignorePrograms = L"game.exe; editor.exe";
  snapshot.settings.actInFullScreen = L"player.exe";
  return snapshot;
}

void Decide(benchmark::State& state, uint32_t message, int32_t x, int32_t y, uint8_t held = 0) {
  CornerWheel wheel(FourMonitors());
  InstantDesktop desktop;
  desktop.held = held;
  const MouseEvent event{message, x, y, 120U << 16U};
  for (auto _ : state) {
    benchmark::DoNotOptimize(wheel.OnMouseEvent(event, desktop, desktop));
  }
}

void NonWheelEvent(benchmark::State& state) { Decide(state, kMouseMove, 4479, 1439); }
void WheelOutsideTheCorners(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 960, 540); }
void WheelInACorner(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 4479, 1439); }
void WheelOverTheTaskbar(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 960, 1060); }
void WheelOnAnEdge(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 960, 0); }
void WheelWithTheProgramsKey(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 960, 540, kShift); }

BENCHMARK(NonWheelEvent);
BENCHMARK(WheelOutsideTheCorners);
BENCHMARK(WheelInACorner);
BENCHMARK(WheelOverTheTaskbar);
BENCHMARK(WheelOnAnEdge);
BENCHMARK(WheelWithTheProgramsKey);

}  // namespace

BENCHMARK_MAIN();
