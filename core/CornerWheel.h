#pragma once
// What the mouse hook asks once per low-level mouse event: the step, if any,
// that the event makes. It knows the zones and settings of one snapshot and
// keeps the volume clock.
#include <cstdint>

#include "core/CornerChoice.h"
#include "core/CornerZones.h"
#include "core/Settings.h"
#include "core/VolumeClock.h"

// What the hook thread acts on; replaced whole, never changed in place.
struct CornerSnapshot {
  CornerZones zones;
  Settings settings;
};

struct MouseEvent {
  uint32_t message;
  int32_t x;
  int32_t y;
  uint32_t mouseData;  // the wheel delta in its high word
};

enum class ScreenCorner : uint8_t { TopLeft, TopRight, BottomLeft, BottomRight };

struct WheelStep {
  enum class Kind { None, Volume, Brightness };
  Kind kind = Kind::None;
  bool up = false;
  bool sound = false;  // volume: play the step sound afterwards
  ScreenCorner corner = ScreenCorner::TopLeft;  // the corner turned
};

class CornerWheel {
 public:
  CornerWheel() = default;
  explicit CornerWheel(const CornerSnapshot& snapshot) : m_snapshot(snapshot) {}

  // New zones and settings; the volume clock goes on.
  void Take(const CornerSnapshot& snapshot) { m_snapshot = snapshot; }
  const CornerSnapshot& snapshot() const { return m_snapshot; }

  // The step for one event. Runs for every mouse event of the desktop, so
  // anything else is a few compares. `isFullScreen` is asked only for a turn in
  // an acting corner when the settings pause there; `now` (milliseconds) only for
  // a volume turn.
  template <class IsFullScreen, class Now>
  WheelStep OnMouseEvent(const MouseEvent& event, IsFullScreen&& isFullScreen, Now&& now) {
    const int32_t action = ActionForMouseMessage(event.message, event.x, event.y, m_snapshot.zones,
                                                 m_snapshot.settings);
    if (action == 0) return {};
    if (m_snapshot.settings.pauseInFullScreen && isFullScreen()) return {};
    const bool up = WheelTurnedUp(event.mouseData);
    if (action == ActionCode(CornerAction::Brightness)) {
      return {WheelStep::Kind::Brightness, up, false, CornerOf(event)};
    }
    if (action != ActionCode(CornerAction::Volume)) return {};
    return VolumeStep(up, now());
  }

  // Which corner claimed a turn at the event's position (the same rules as the claim).
  ScreenCorner CornerOf(const MouseEvent& event) const;

  // The volume step has been sent (or failed to be); the interval runs from `now`.
  void VolumeStepEnded(uint64_t now) { m_lastVolumeStep = now; }

 private:
  WheelStep VolumeStep(bool up, uint64_t now);

  CornerSnapshot m_snapshot;
  uint64_t m_lastVolumeStep = 0;  // end of the last volume step; 0 before the first turn
};
