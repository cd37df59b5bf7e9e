#pragma once
// What the mouse hook asks once per low-level mouse event: the step, if any,
// that the event makes. It knows the zones and settings of one snapshot and
// keeps the volume clock.
#include <cstdint>

#include "core/CornerChoice.h"
#include "core/CornerZones.h"
#include "core/Settings.h"

// What the hook thread acts on; replaced whole, never changed in place.
struct CornerSnapshot {
  CornerZones zones;
  Settings settings;
};

// WM_MOUSEWHEEL: only the vertical wheel acts.
inline constexpr uint32_t kVerticalWheelMessage = 0x020A;

struct MouseEvent {
  uint32_t message;
  int32_t x;
  int32_t y;
  uint32_t mouseData;  // the wheel delta in its high word
};

struct WheelStep {
  enum class Kind { None, Volume, Brightness };
  Kind kind = Kind::None;
  bool up = false;
  bool sound = false;  // volume: play the step sound afterwards
  ScreenCorner corner = ScreenCorner::TopLeft;  // the corner turned
};

// True when the signed wheel delta in the high word of `mouseData` is above 0.
bool WheelTurnedUp(uint32_t mouseData);

class CornerWheel {
 public:
  CornerWheel() = default;
  explicit CornerWheel(const CornerSnapshot& snapshot) : m_snapshot(snapshot) {}

  // New zones and settings; the volume clock goes on.
  void Take(const CornerSnapshot& snapshot) { m_snapshot = snapshot; }

  // The step for one event. Runs for every mouse event of the desktop, so
  // anything else is a few compares. `isFullScreen` is asked only for a turn in
  // an acting corner when the settings pause there; `now` (milliseconds) only for
  // a volume turn.
  template <class IsFullScreen, class Now>
  WheelStep OnMouseEvent(const MouseEvent& event, IsFullScreen&& isFullScreen, Now&& now) {
    if (event.message != kVerticalWheelMessage) return {};
    const CornerHit hit = CornerAt(event.x, event.y, m_snapshot.zones, m_snapshot.settings);
    if (hit.action == 0) return {};
    if (m_snapshot.settings.pauseInFullScreen && isFullScreen()) return {};
    const bool up = WheelTurnedUp(event.mouseData);
    if (hit.action == ActionCode(CornerAction::Brightness)) return {WheelStep::Kind::Brightness, up, false, hit.corner};
    if (hit.action != ActionCode(CornerAction::Volume)) return {};
    return VolumeStep(up, now(), hit.corner);
  }

  // The volume step has been sent (or failed to be); the interval runs from `now`.
  void VolumeStepEnded(uint64_t now) { m_lastVolumeStep = now; }

 private:
  WheelStep VolumeStep(bool up, uint64_t now, ScreenCorner corner);

  CornerSnapshot m_snapshot;
  uint64_t m_lastVolumeStep = 0;  // end of the last volume step; 0 before the first turn
};
