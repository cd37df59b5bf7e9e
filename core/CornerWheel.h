#pragma once
// What the mouse hook asks once per low-level mouse event: the step, if any,
// that the event makes, and whether the event goes on. It knows the zones
// (corners, taskbars, edges), settings and program rules of one snapshot, keeps
// the volume clock, adds up the fractions of a notch that smooth-scrolling
// wheels and touchpads send, and remembers which middle-button press it kept
// from the other programs.
#include <cstdint>
#include <utility>

#include "core/BrightnessRequests.h"
#include "core/CornerZones.h"
#include "core/Desktop.h"
#include "core/KeyNames.h"
#include "core/ProgramRules.h"
#include "core/Settings.h"
#include "core/WheelActions.h"
#include "core/ZoneChoice.h"

// What the hook thread acts on; replaced whole, never changed in place.
struct CornerSnapshot {
  ScreenZones zones;
  Settings settings;
};

// WM_MOUSEWHEEL: only the vertical wheel acts.
inline constexpr uint32_t kVerticalWheelMessage = 0x020A;
// WM_MBUTTONDOWN and WM_MBUTTONUP: a middle click may mute.
inline constexpr uint32_t kMiddleButtonDown = 0x0207;
inline constexpr uint32_t kMiddleButtonUp = 0x0208;

struct MouseEvent {
  uint32_t message;
  int32_t x;
  int32_t y;
  uint32_t mouseData;  // the wheel delta in its high word
  uint32_t time = 0;   // when the event happened, in the system's 32-bit milliseconds
};

// A kept press answered this late may have gone on already: the system passes
// an event on when a hook misses its time-out (LowLevelHooksTimeout, 300 ms
// unless set otherwise), so its release must go on too. A release let through
// wrongly is one a window ignores; one kept wrongly leaves the button held
// down in the window (autoscroll stuck), so the limit is well within.
inline constexpr uint32_t kKeptPressLateMs = 150;

struct WheelStep {
  // ProgramVolume and ProgramMute: of the program whose window is under the pointer.
  enum class Kind { None, Volume, Brightness, Mute, ProgramVolume, ProgramMute };
  Kind kind = Kind::None;
  bool up = false;
  bool sound = false;    // volume: play the step sound afterwards
  int32_t presses = 1;   // volume: presses of the volume key, each 2 %
  uint8_t stepPercent = 2;  // a program's volume: percent per notch
  bool swallow = false;  // the event is kept from the other programs
  bool maskModifier = false;  // press and release an unassigned key, so letting Alt or Win go opens no menu
  ScreenCorner corner = ScreenCorner::TopLeft;  // the corner turned (or nearest to the zone turned)
  BrightnessRequest brightness{};               // brightness: what to step, and where it shows
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
  explicit CornerWheel(const CornerSnapshot& snapshot) { Take(snapshot); }

  // New zones and settings, and the program rules of its lists; the window in
  // front is judged again. The volume clock goes on, and so does a middle
  // click under way.
  void Take(const CornerSnapshot& snapshot) {
    m_snapshot = snapshot;
    m_programs = ProgramRules(snapshot.settings.ignorePrograms, snapshot.settings.actInFullScreen);
    const uint8_t heldKey = snapshot.settings.keyWheelModifiers;
    const uint8_t programKey = snapshot.settings.appKeyWheelModifiers;
    if (heldKey != m_heldKey || programKey != m_programKey) m_holdMasked = false;  // another hold altogether
    m_heldKey = heldKey;
    m_programKey = programKey;
    m_verdictKnown = false;
  }

  // The step for one event. Runs for every mouse event of the desktop, so
  // anything but a wheel turn or a middle click is a compare or two and asks
  // nothing. A wheel turn is claimed by a corner with an action, else by a
  // taskbar (when it has an action: the desktop says whether one is under the
  // pointer), else by an edge. Only an event in a zone that claims it asks
  // `desktop` more (whether the window in front is full screen on that zone's
  // monitor, when the settings pause there; which program is in front, when a
  // program rule needs it, its name at most once for each window in front)
  // and, for a volume step or a fraction of a notch, `clock`.
  //
  // A message of a notch or more makes one step. Smaller ones add up, per zone
  // and direction, and each whole notch makes one step; turning the other way,
  // leaving the zone and a pause of more than a second forget the sum. A
  // delta of 0 makes nothing.
  //
  // With a held key set (KeyWheel), a wheel turn first asks which modifiers are
  // held: while exactly those are, the wheel acts anywhere on a monitor, before
  // every zone, as KeyWheelAction says (brightness: the monitor under the
  // pointer), and no window sees those turns. IgnorePrograms stops it, the
  // full-screen rule does not: holding a key is a deliberate request. The
  // first such turn of a hold asks for the modifiers to be masked.
  //
  // With a held key for the program's volume set (AppKeyWheel), while exactly
  // those modifiers are held, a turn anywhere on a monitor steps the volume of
  // the program under the pointer, and a middle press mutes or unmutes it;
  // neither reaches a window, nor does the press's release. It comes before
  // KeyWheel when both name the same modifiers. IgnorePrograms stops it, the
  // full-screen rule does not; its hold is masked as KeyWheel's.
  //
  // A turn over a taskbar that the taskbar's action claims goes to no window:
  // the taskbar would act on it too (Windows steps the volume over its
  // speaker icon). Corners and edges pass the wheel on.
  //
  // With MiddleClickMute on, a middle press in a volume corner where the
  // corners act mutes and is kept from the other programs, and so is its
  // release, wherever it comes; every other press, and its release, goes on.
  // A press starts clean: a kept press whose release never came keeps nothing.
  WheelStep OnMouseEvent(const MouseEvent& event, Desktop& desktop, Clock& clock) {
    if (event.message == kVerticalWheelMessage) return OnWheel(event, desktop, clock);
    if (event.message == kMiddleButtonDown) return OnMiddlePress(event, desktop);
    if (event.message == kMiddleButtonUp) return {.swallow = std::exchange(m_middlePressKept, false)};
    if (m_fraction != 0) ForgetFractionOutside(event);
    return {};
  }

  // The volume step has been sent (or failed to be); the interval runs from `now`.
  void VolumeStepEnded(uint64_t now) { m_lastVolumeStep = now; }

  // A key was let go (a Windows virtual-key code): a modifier's release ends
  // the hold, and the next one is masked anew.
  void KeyReleased(uint32_t virtualKey) {
    if (IsModifierKey(virtualKey)) m_holdMasked = false;
  }
  // A held key is set: a hold that stepped is masked (an unassigned key goes
  // before its modifiers are let go), since a modifier's release alone means
  // something: Alt or Win opens a menu, Shift switches a Chinese input
  // method, Ctrl+Shift the keyboard layout, Ctrl may show the pointer. The
  // hook watches the keyboard for the hold's end.
  bool MasksModifiers() const { return m_heldKey != 0 || m_programKey != 0; }

  // The hook answers for the kept press of `eventTime` at `now` (32-bit
  // milliseconds, which may wrap): answered late, its release goes on.
  void KeptPressAnswered(uint32_t eventTime, uint32_t now) {
    if (now - eventTime >= kKeptPressLateMs) m_middlePressKept = false;
  }

 private:
  // The zone of `kind` that claims (x, y), if any; without a desktop to ask,
  // whole-monitor zones claim nothing.
  ZoneHit ZoneOf(ZoneKind kind, int32_t x, int32_t y, Desktop* desktop) const;
  ZoneHit ZoneOfWheel(int32_t x, int32_t y, Desktop& desktop) const;
  WheelStep OnWheel(const MouseEvent& event, Desktop& desktop, Clock& clock);
  WheelStep OnHeldKeyWheel(const MouseEvent& event, Desktop& desktop, Clock& clock);
  WheelStep OnProgramKeyWheel(const MouseEvent& event, Desktop& desktop, Clock& clock);
  // The first step of a hold asks for the modifiers to be masked.
  void MaskHold(WheelStep& step);
  WheelStep StepIn(const ZoneHit& hit, const MouseEvent& event, Clock& clock);
  WheelStep OnMiddlePress(const MouseEvent& event, Desktop& desktop);
  // The zone that claims an event acts: no program named in IgnorePrograms
  // is in front, and no full-screen window pauses it.
  bool ActsIn(const ZoneHit& hit, Desktop& desktop);
  // The rules' verdict on the program in front, asked once for each window.
  const ProgramVerdict& VerdictOn(const ForegroundWindow& front, Desktop& desktop);
  WheelStep VolumeStep(bool up, uint64_t now, ScreenCorner corner);
  // Adds a fraction of a notch; true when the sum made a whole notch.
  bool AddFraction(int32_t delta, const ZoneHit& hit, uint64_t now);
  void ForgetFractionOutside(const MouseEvent& event);

  CornerSnapshot m_snapshot;
  ProgramRules m_programs;
  uint8_t m_heldKey = 0;      // the modifiers of KeyWheel; 0: none
  uint8_t m_programKey = 0;   // the modifiers of AppKeyWheel; 0: none
  bool m_holdMasked = false;  // this hold has been masked
  uint64_t m_lastVolumeStep = 0;  // end of the last volume step; 0 before the first turn
  int32_t m_fraction = 0;         // fractions of a notch added up, signed; 0: none
  ZoneHit m_fractionZone;         // the zone they were added up in
  uint64_t m_fractionAt = 0;      // when the last fraction came
  bool m_middlePressKept = false;  // its release is kept too
  bool m_verdictKnown = false;
  ForegroundWindow m_verdictFor;  // the window in front the verdict is on
  ProgramVerdict m_verdict;
};
