#pragma once
// Stands in for the machine the corner rules ask, and counts the questions, so
// a test sees which ones a wheel turn asked.
#include "core/CornerWheel.h"
#include "core/Desktop.h"

struct DesktopQuestions final : Desktop, Clock {
  int fullScreen = 0;
  int clock = 0;
  int names = 0;  // program names read
  bool isFullScreen = false;
  ScreenRect lastMonitor;  // the monitor the full-screen rule was asked about
  uint64_t now = 10'000;
  ForegroundWindow front{1, 100};
  std::wstring program = L"PLAYER.EXE";  // the program in front, folded

  ForegroundWindow Foreground() override { return front; }
  std::wstring ProgramName(uint32_t) override {
    ++names;
    return program;
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
