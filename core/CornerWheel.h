#pragma once
// What the mouse hook asks once per low-level mouse event: the step, if any,
// that the event makes. It knows the zones and settings of one snapshot, keeps
// the volume clock, and adds up the fractions of a notch that smooth-scrolling
// wheels and touchpads send.
#include <cstdint>

#include "core/BrightnessRequests.h"
#include "core/CornerChoice.h"
#include "core/CornerZones.h"
#include "core/Desktop.h"
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
  BrightnessRequest brightness;                 // brightness: what to step, and where it shows
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
  // anything but a wheel turn is a compare or two and asks nothing. Only a turn
  // in an acting corner asks `desktop` (when the settings pause in full screen:
  // is the window in front full screen on that corner's monitor?) and, for a
  // volume step or a fraction of a notch, `clock`.
  //
  // A message of a notch or more makes one step. Smaller ones add up, per corner
  // and direction, and each whole notch makes one step; turning the other way,
  // leaving the corner and a pause of more than a second forget the sum. A
  // delta of 0 makes nothing.
  WheelStep OnMouseEvent(const MouseEvent& event, Desktop& desktop, Clock& clock) {
    if (event.message == kVerticalWheelMessage) return OnWheel(event, desktop, clock);
    if (m_fraction != 0) ForgetFractionOutside(event);
    return {};
  }

  // The volume step has been sent (or failed to be); the interval runs from `now`.
  void VolumeStepEnded(uint64_t now) { m_lastVolumeStep = now; }

 private:
  WheelStep OnWheel(const MouseEvent& event, Desktop& desktop, Clock& clock);
  // No full-screen window pauses the corner that claims a turn.
  bool ActsIn(const CornerHit& hit, Desktop& desktop) const;
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
