#include "core/BrightnessRequests.h"

#include <algorithm>

namespace {

// A slot packs one request: the list version in the low 32 bits, then the
// steps (16 bits, signed), the step size, the corner, and a bit for "full".
constexpr uint64_t kFull = uint64_t{1} << 63U;
constexpr int32_t kMostSteps = 30000;  // far past 0..100 in any step size

uint64_t Pack(const BrightnessRequest& request) {
  const auto steps = static_cast<uint16_t>(static_cast<int16_t>(std::clamp(request.steps, -kMostSteps, kMostSteps)));
  return kFull | request.listVersion | (uint64_t{steps} << 32U) | (uint64_t{request.stepPercent} << 48U) |
         (uint64_t{static_cast<uint8_t>(request.corner)} << 56U);
}

BrightnessRequest Unpack(uint64_t slot, uint8_t target) {
  BrightnessRequest request;
  request.listVersion = static_cast<uint32_t>(slot);
  request.target = target;
  request.steps = static_cast<int16_t>(static_cast<uint16_t>(slot >> 32U));
  request.stepPercent = static_cast<uint8_t>(slot >> 48U);
  request.corner = static_cast<ScreenCorner>((slot >> 56U) & 0x0FU);
  return request;
}

}  // namespace

bool BrightnessRequests::Add(const BrightnessRequest& request) {
  if (request.target >= kBrightnessTargets) return false;
  std::atomic<uint64_t>& slot = m_slots[request.target];
  uint64_t waiting = slot.load();
  for (;;) {
    BrightnessRequest merged = request;
    if (waiting != 0) {
      const BrightnessRequest before = Unpack(waiting, request.target);
      if (before.listVersion == request.listVersion) merged.steps += before.steps;
    }
    if (slot.compare_exchange_weak(waiting, Pack(merged))) return true;
  }
}

size_t BrightnessRequests::TakeAll(std::array<BrightnessRequest, kBrightnessTargets>& taken) {
  size_t count = 0;
  for (size_t target = 0; target < kBrightnessTargets; ++target) {
    const uint64_t slot = m_slots[target].exchange(0);
    if (slot == 0) continue;
    const BrightnessRequest request = Unpack(slot, static_cast<uint8_t>(target));
    if (request.steps != 0) taken[count++] = request;
  }
  return count;
}
