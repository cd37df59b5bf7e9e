#pragma once
// Which zone, if any, claims a wheel turn at a screen position, and what it
// does there: a corner of a monitor, a taskbar, or an edge of a monitor.
#include <cstdint>

#include "core/CornerZones.h"
#include "core/Settings.h"

enum class ScreenCorner : uint8_t { TopLeft, TopRight, BottomLeft, BottomRight };
enum class ScreenEdge : uint8_t { Top, Bottom, Left, Right };
enum class ZoneKind : uint8_t { None, Corner, Taskbar, Edge, HeldKey, ProgramKey };

// What sets a kind of zone apart, declared once for the wheel's decision, the
// fractions of a notch and the target of a brightness step.
struct ZoneTraits {
  bool wholeMonitor;  // the zone is its whole monitor: a step acts on that monitor, a move off it leaves it
  bool alongSide;     // one side of a monitor however long: the corner nearest the pointer does not matter
  bool keepsTurns;    // a turn it acts on goes to no window (a taskbar would act on it too)
};
constexpr ZoneTraits TraitsOf(ZoneKind kind) {
  const bool taskbarOrHeld = kind == ZoneKind::Taskbar || kind == ZoneKind::HeldKey || kind == ZoneKind::ProgramKey;
  return {taskbarOrHeld, kind == ZoneKind::Edge, taskbarOrHeld};
}
// The zones that may claim a turn without a held key, in the order they are
// tried: a corner with an action keeps it over a taskbar and on an edge.
inline constexpr ZoneKind kZonePrecedence[] = {ZoneKind::Corner, ZoneKind::Taskbar, ZoneKind::Edge};

struct ZoneHit {
  int32_t action = 0;  // the claiming zone's code; 0: no zone claims the turn
  ZoneKind kind = ZoneKind::None;
  // The corner turned; for another zone, the corner of its monitor nearest the
  // point: where the level shows.
  ScreenCorner corner = ScreenCorner::TopLeft;
  ScreenEdge edge = ScreenEdge::Top;  // an edge's side
  uint8_t screen = 0;                 // whose zone: an index into ScreenZones, 0 the primary monitor

  // The same zone of the same monitor.
  bool SameZone(const ZoneHit& other) const {
    if (kind != other.kind || screen != other.screen) return false;
    const ZoneTraits traits = TraitsOf(kind);
    if (traits.wholeMonitor) return true;
    return traits.alongSide ? edge == other.edge : corner == other.corner;
  }
};

// The corner of one monitor's zones that claims (x, y); a point off that
// monitor is never a corner. The top band is tried before the bottom band and
// the left corner before the right one; a corner whose code is 0 never claims a
// turn, any other code does and is handed on as is. A few compares.
ZoneHit CornerAt(int32_t x, int32_t y, const CornerZones& zones, const Settings& settings);

// The corner that claims (x, y): on the primary monitor, or on any monitor
// when the settings ask for every screen.
ZoneHit CornerAt(int32_t x, int32_t y, const ScreenZones& zones, const Settings& settings);

// The edge that claims (x, y): the outermost pixel row or column of the
// primary monitor (of any monitor, when the settings ask for every screen),
// where the pointer stops when pushed against that side; where another monitor
// adjoins the side, the pointer crosses it and it is no edge. Where two edges
// meet, the top and bottom ones are tried first. An edge whose code is 0
// claims nothing.
ZoneHit EdgeAt(int32_t x, int32_t y, const ScreenZones& zones, const Settings& settings);

// The monitor showing (x, y), an index into the zones, or -1.
int ScreenAt(int32_t x, int32_t y, const ScreenZones& zones);
// The point lies on a strip where an auto-hidden taskbar comes back.
bool OnTaskbarStrip(int32_t x, int32_t y, const ScreenZones& zones);

// The corner of `monitor` nearest to (x, y).
ScreenCorner NearestCorner(int32_t x, int32_t y, const ScreenRect& monitor);
// The outermost pixel row or column of `monitor` along `edge`.
ScreenRect OutermostLine(const ScreenRect& monitor, ScreenEdge edge);
// The side of `monitor` a bar lies along: a wide one along the top or the
// bottom, a tall one along the left or the right, whichever its middle is
// nearer (an auto-hidden bar is mostly past its side).
ScreenEdge SideOf(const ScreenRect& bar, const ScreenRect& monitor);
