#pragma once
// After a brightness step, a small panel near the corner that was turned shows
// the new level: a bar and "亮度 52%". It stays about a second after the last
// step, then fades. It is a layered, topmost, click-through tool window: it never
// takes the focus, never shows in the taskbar or Alt+Tab, never catches the
// pointer, and never shows while a full-screen window is in front.
#include <windows.h>

#include <cstdint>

#include "core/CornerWheel.h"
#include "framework/UniqueHandle.h"

inline constexpr wchar_t kIndicatorClass[] = L"BRIMLET_BRIGHTNESS_INDICATOR";
inline constexpr int kIndicatorWidth = 200;
inline constexpr int kIndicatorHeight = 56;
inline constexpr int kIndicatorMargin = 16;  // from the work area's edges
inline constexpr UINT kIndicatorShowMs = 1000;

class BrightnessIndicator {
 public:
  BrightnessIndicator() = default;
  BrightnessIndicator(const BrightnessIndicator&) = delete;
  BrightnessIndicator& operator=(const BrightnessIndicator&) = delete;

  // Shows `percent` near `corner` of the primary monitor's work area, or hides
  // the panel while a full-screen window is in front.
  void Show(int32_t percent, ScreenCorner corner);
  HWND window() const { return m_window.get(); }
  // When the panel was last drawn (QueryPerformanceCounter), for measurements; 0 before.
  LONGLONG lastPaint() const { return m_lastPaint; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Create();
  void Paint(HDC dc);
  void OnTimer();

  UniqueWindow m_window;
  int32_t m_percent = 0;
  int m_fadeStep = 0;  // 0: fully shown
  LONGLONG m_lastPaint = 0;
};

// Where the panel goes for a corner of `workArea`.
POINT IndicatorPosition(const RECT& workArea, ScreenCorner corner);
