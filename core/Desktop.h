#pragma once
// What the zone rules ask of the machine: the time, the window in front, and
// whether a taskbar is under the pointer.
// The system's answers are in devices/; tests stand in for them and count the
// questions. Both are asked from the hook's thread: an answer never waits for
// another process, a disk or a person.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ScreenRect.h"

class Clock {
 public:
  virtual uint64_t NowMs() = 0;  // milliseconds since the system started

 protected:
  ~Clock() = default;
};

// The window in front, by identity only.
struct ForegroundWindow {
  uint64_t window = 0;  // 0: no window is in front
  uint32_t process = 0;

  friend bool operator==(const ForegroundWindow&, const ForegroundWindow&) = default;
};

class Desktop {
 public:
  virtual ForegroundWindow Foreground() = 0;
  // `window` covers `monitor` exactly, as a game or a video in full screen does;
  // a maximised window, the desktop and the shell's window never do.
  virtual bool FullScreenOn(const ForegroundWindow& window, const ScreenRect& monitor) = 0;
  // The file name of the program `process` runs ("Game.exe"); empty when the
  // process cannot be opened.
  virtual std::wstring ProgramName(uint32_t process) = 0;
  // The two file names name the same file, as the file system compares names.
  virtual bool SameFileName(std::wstring_view a, std::wstring_view b) = 0;
  // A visible taskbar, or a window inside one, is at (x, y).
  virtual bool OverTaskbar(int32_t x, int32_t y) = 0;
  // The modifier keys held down now (core/KeyNames.h's bits), left or right alike.
  virtual uint8_t HeldModifiers() = 0;
  // The top-level window under (x, y), as a handle's value; 0 for none. Asks
  // no window anything.
  virtual uint64_t WindowUnder(int32_t x, int32_t y) = 0;

 protected:
  ~Desktop() = default;
};
