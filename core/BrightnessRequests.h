#pragma once
// Brightness steps on their way from the hook to the worker. A request names
// its target: the built-in panel wherever it is (else the DDC/CI monitors
// behind the primary display), or one monitor of a monitor list. Each target
// has a slot of its own: requests for the same target add up while the worker
// is busy with a slow monitor, and requests for different targets never mix.
// The hook never waits: a request is added with one atomic operation.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "core/BrightnessLevel.h"
#include "core/ZoneChoice.h"
#include "core/CornerZones.h"

// A request's target: the panel wherever it is, or 1 + a monitor's index in its list.
inline constexpr uint8_t kPanelAnywhere = 0;
inline constexpr size_t kBrightnessTargets = 1 + kMostScreens;

struct BrightnessRequest {
  uint32_t listVersion = 0;  // the monitor list whose monitor `target` names
  uint8_t target = kPanelAnywhere;
  int32_t steps = 0;  // net steps; positive: brighter
  uint8_t stepPercent = kBrightnessStep;
  ScreenCorner corner = ScreenCorner::TopLeft;  // the corner turned last: where the level shows

  friend bool operator==(const BrightnessRequest&, const BrightnessRequest&) = default;
};

class BrightnessRequests {
 public:
  // From the hook: adds `request` to what waits for its target; a request of
  // another monitor list replaces it. False, adding nothing, for a target past
  // the last.
  bool Add(const BrightnessRequest& request);
  // From the worker: what waits, in target order, leaving out targets whose
  // steps cancelled out; every slot is empty afterwards.
  size_t TakeAll(std::array<BrightnessRequest, kBrightnessTargets>& taken);

 private:
  std::array<std::atomic<uint64_t>, kBrightnessTargets> m_slots{};
};
