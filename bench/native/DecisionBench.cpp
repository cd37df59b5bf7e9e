// The decision the mouse hook makes for every mouse event of the desktop,
// per call: a non-wheel event, a wheel turn outside the corners, and a wheel
// turn in a corner (the decision only; the action itself is measured under Wine).
#include <benchmark/benchmark.h>

#include "core/CornerWheel.h"

namespace {

constexpr uint32_t kMouseMove = 0x0200;
const CornerZones kZones = ComputeCornerZones(1920, 1080);
const Settings kSettings{};

void Decide(benchmark::State& state, uint32_t message, int32_t x, int32_t y) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(message);
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
    benchmark::DoNotOptimize(message == kVerticalWheelMessage && CornerAt(x, y, kZones, kSettings).action != 0);
  }
}

void NonWheelEvent(benchmark::State& state) { Decide(state, kMouseMove, 1919, 1079); }
void WheelOutsideTheCorners(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 960, 540); }
void WheelInACorner(benchmark::State& state) { Decide(state, kVerticalWheelMessage, 1919, 1079); }

BENCHMARK(NonWheelEvent);
BENCHMARK(WheelOutsideTheCorners);
BENCHMARK(WheelInACorner);

}  // namespace

BENCHMARK_MAIN();
