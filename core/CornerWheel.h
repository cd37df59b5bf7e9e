#pragma once
// What the mouse hook asks once per low-level mouse event: the step, if any,
// that the event makes. It knows the zones and settings of one snapshot, keeps
// the volume clock, and adds up the fractions of a notch that smooth-scrolling
// wheels and touchpads send.
#include <cstdint>

#include "core/CornerChoice.h"
#include "core/CornerZones.h"
#include "core/Settings.h"

// What the hook thread acts on; replaced whole, never changed in place.
struct CornerSnapshot {
  ScreenZones zones;
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
  uint8_t screen = 0;                           // on which monitor
  bool thatScreen = false;                      // brightness: step that monitor's display alone
};

// One notch of a classic wheel.
inline constexpr int32_t kWheelNotch = 120;
// A pause longer than this forgets the fractions added up so far.
inline constexpr uint64_t kWheelFractionPauseMs = 1000;

// The signed wheel delta in the high word of `mouseData`.
inline int32_t WheelDelta(uint32_t mouseData) { return static_cast<int16_t>(static_cast<uint16_t>(mouseData >> 16U)); }

class CornerWheel {
 public:
  CornerWheel() = default;
  explicit CornerWheel(const CornerSnapshot& snapshot) : m_snapshot(snapshot) {}

  // New zones and settings; the volume clock goes on.
  void Take(const CornerSnapshot& snapshot) { m_snapshot = snapshot; }

  // The step for one event. Runs for every mouse event of the desktop, so
  // anything else is a few compares. `isFullScreen(monitor)` is asked only for a
  // turn in an acting corner when the settings pause there: with corners on
  // every screen `monitor` is the corner's, else null (any monitor counts);
  // `now` (milliseconds) only for a volume step or a fraction of a notch.
  //
  // A message of a notch or more makes one step. Smaller ones add up, per corner
  // and direction, and each whole notch makes one step; turning the other way,
  // leaving the corner and a pause of more than a second forget the sum. A
  // delta of 0 makes nothing.
  template <class IsFullScreen, class Now>
  WheelStep OnMouseEvent(const MouseEvent& event, IsFullScreen&& isFullScreen, Now&& now) {
    if (event.message != kVerticalWheelMessage) {
      if (m_fraction != 0) ForgetFractionOutside(event);
      return {};
    }
    const CornerHit hit = CornerAt(event.x, event.y, m_snapshot.zones, m_snapshot.settings);
    if (hit.action == 0) {
      m_fraction = 0;
      return {};
    }
    if (m_snapshot.settings.pauseInFullScreen &&
        isFullScreen(m_snapshot.settings.allScreens ? &m_snapshot.zones.screens[hit.screen].monitor : nullptr)) {
      return {};
    }
    const int32_t delta = WheelDelta(event.mouseData);
    if (delta == 0) return {};
    const bool up = delta > 0;
    if (delta > -kWheelNotch && delta < kWheelNotch) {
      if (!AddFraction(delta, hit, now())) return {};
    } else {
      m_fraction = 0;
    }
    if (hit.action == ActionCode(CornerAction::Brightness)) {
      return {WheelStep::Kind::Brightness, up, false, hit.corner, hit.screen, m_snapshot.settings.allScreens};
    }
    if (hit.action != ActionCode(CornerAction::Volume)) return {};
    return VolumeStep(up, now(), hit.corner);
  }

  // The volume step has been sent (or failed to be); the interval runs from `now`.
  void VolumeStepEnded(uint64_t now) { m_lastVolumeStep = now; }

 private:
  WheelStep VolumeStep(bool up, uint64_t now, ScreenCorner corner);
  // Adds a fraction of a notch; true when the sum made a whole notch.
  bool AddFraction(int32_t delta, const CornerHit& hit, uint64_t now);
  void ForgetFractionOutside(const MouseEvent& event);

  CornerSnapshot m_snapshot;
  uint64_t m_lastVolumeStep = 0;  // end of the last volume step; 0 before the first turn
  int32_t m_fraction = 0;         // fractions of a notch added up, signed; 0: none
  ScreenCorner m_fractionCorner = ScreenCorner::TopLeft;
  uint8_t m_fractionScreen = 0;
  uint64_t m_fractionAt = 0;      // when the last fraction came
};
