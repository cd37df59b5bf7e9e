#pragma once
// Stands in for the machine the corner rules ask, and counts the questions, so
// a test sees which ones a wheel turn asked.
#include "core/CornerWheel.h"
#include "core/Desktop.h"

#include <algorithm>
#include <string>
#include <string_view>

struct DesktopQuestions final : Desktop, Clock {
  int fullScreen = 0;
  int clock = 0;
  int names = 0;  // program names read
  int taskbars = 0;  // asked whether a taskbar is under the pointer
  int modifierReads = 0;
  uint8_t held = 0;  // the modifier keys held down
  bool isFullScreen = false;
  ScreenRect lastMonitor;  // the monitor the full-screen rule was asked about
  uint64_t now = 10'000;
  ForegroundWindow front{1, 100};
  std::wstring program = L"player.exe";  // the program in front
  ScreenRect taskbar{0, 1040, 1920, 1080};  // where a taskbar shows

  ForegroundWindow Foreground() override { return front; }
  std::wstring ProgramName(uint32_t) override {
    ++names;
    return program;
  }
  // As the file system compares names: ignoring case (ASCII is all the tests use).
  bool SameFileName(std::wstring_view a, std::wstring_view b) override {
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](wchar_t x, wchar_t y) {
             return lower(x) == lower(y);
           });
  }
  uint64_t WindowUnder(int32_t, int32_t) override { return 0; }
  uint8_t HeldModifiers() override {
    ++modifierReads;
    return held;
  }
  bool OverTaskbar(int32_t x, int32_t y) override {
    ++taskbars;
    return taskbar.Contains(x, y);
  }
  bool FullScreenOn(const ForegroundWindow&, const ScreenRect& monitor) override {
    ++fullScreen;
    lastMonitor = monitor;
    return isFullScreen;
  }
  uint64_t NowMs() override {
    ++clock;
    return now;
  }

  WheelStep Ask(CornerWheel& wheel, const MouseEvent& event) { return wheel.OnMouseEvent(event, *this, *this); }
};
