#pragma once
// After a brightness step, a small panel near the corner that was turned shows
// the new level: a bar and "亮度 52%". It stays about a second after the last
// step, then fades. It is a layered, topmost, click-through tool window: it never
// takes the focus, never shows in the taskbar or Alt+Tab, never catches the
// pointer, and never shows while a full-screen window is in front.
#include <windows.h>

#include <cstdint>

#include "core/CornerChoice.h"
#include "framework/MessageWindow.h"

inline constexpr wchar_t kIndicatorClass[] = L"BRIMLET_BRIGHTNESS_INDICATOR";
inline constexpr int kIndicatorWidth = 200;
inline constexpr int kIndicatorHeight = 56;
inline constexpr int kIndicatorMargin = 16;  // from the work area's edges
inline constexpr UINT kIndicatorShowMs = 1000;

class BrightnessIndicator final : public MessageWindow {
 public:
  // Shows `percent` near `corner` of the primary monitor's work area, or hides
  // the panel while a full-screen window is in front.
  void Show(int32_t percent, ScreenCorner corner);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;
  void Fade();

  int32_t m_percent = 0;
  int m_fadeStep = 0;  // 0: fully shown
};

// Where the panel goes for a corner of `workArea`.
POINT IndicatorPosition(const RECT& workArea, ScreenCorner corner);
