#pragma once
// After a brightness step, a small panel near the corner that was turned, on
// that corner's monitor, shows the new level: a bar and "亮度 52%"; after a
// step of a program's volume, the program and its level. Its size,
// font and margin follow the monitor's DPI (200 x 56 pixels at 96 DPI). It
// stays about a second after the last step (or the user's notification
// duration, when longer), then fades; in high contrast it is drawn in the
// system's colours, opaque, and goes without a fade. Its window text is the
// text it shows, for screen readers. It is a layered, topmost, click-through
// tool window: it never takes the focus, never shows in the taskbar or Alt+Tab,
// never catches the pointer, and never shows while a full-screen window covers
// its monitor.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/ZoneChoice.h"
#include "core/Desktop.h"
#include "core/ScreenRect.h"
#include "framework/MessageWindow.h"
#include "framework/Timer.h"
#include "ui/Texts.h"

inline constexpr wchar_t kIndicatorClass[] = L"BRIMLET_BRIGHTNESS_INDICATOR";
// At 96 DPI; scaled with the monitor's DPI.
inline constexpr int kIndicatorWidth = 200;
inline constexpr int kIndicatorHeight = 56;
inline constexpr int kIndicatorMargin = 16;  // from the work area's edges
inline constexpr UINT kIndicatorShowMs = 1000;

class BrightnessIndicator final : public MessageWindow {
 public:
  // `desktop` tells whether a full-screen window covers a monitor.
  BrightnessIndicator(const Texts& texts, Desktop& desktop) : m_texts(texts), m_desktop(desktop) {}

  // Shows `percent` near `corner` of the work area of `monitor` (the primary
  // one for an empty rectangle), or hides the panel while a full-screen window
  // covers that monitor.
  void Show(int32_t percent, ScreenCorner corner, const ScreenRect& monitor = {});
  // Likewise, with `text` above the bar ("Firefox 52%", a program's volume);
  // without a bar for a `percent` below 0.
  void ShowText(const std::wstring& text, int32_t percent, ScreenCorner corner, const ScreenRect& monitor);

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;
  void StartFade();
  void Fade();

  const Texts& m_texts;
  Desktop& m_desktop;
  int32_t m_percent = 0;
  std::wstring m_text;  // what the panel says
  UINT m_dpi = 96;
  bool m_highContrast = false;
  int m_fadeStep = 0;  // 0: fully shown
  TimerOf<BrightnessIndicator> m_hideTimer{*this, &BrightnessIndicator::StartFade};
  TimerOf<BrightnessIndicator> m_fadeTimer{*this, &BrightnessIndicator::Fade};
};

// Where the panel goes for a corner of `workArea`, at `dpi`.
POINT IndicatorPosition(const RECT& workArea, ScreenCorner corner, UINT dpi = 96);
// The DPI of a monitor: its own where the system says, else the system's.
UINT MonitorDpi(HMONITOR monitor);
