#include "app/BrightnessIndicator.h"

#include <string>

#include "core/ValueText.h"
#include "framework/UniqueHandle.h"
#include "hook/ForegroundWindow.h"

namespace {

constexpr UINT_PTR kHideTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;
constexpr UINT kFadeStepMs = 25;
constexpr int kFadeSteps = 8;
constexpr BYTE kOpacity = 230;
constexpr COLORREF kBackground = RGB(32, 32, 32);
constexpr COLORREF kText = RGB(255, 255, 255);
constexpr COLORREF kTrack = RGB(90, 90, 90);
constexpr COLORREF kFill = RGB(255, 201, 64);

void FillBox(HDC dc, const RECT& box, COLORREF colour) {
  const UniqueGdiObject brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &box, static_cast<HBRUSH>(brush.get()));
}

}  // namespace

POINT IndicatorPosition(const RECT& workArea, ScreenCorner corner) {
  const bool left = corner == ScreenCorner::TopLeft || corner == ScreenCorner::BottomLeft;
  const bool top = corner == ScreenCorner::TopLeft || corner == ScreenCorner::TopRight;
  return {left ? workArea.left + kIndicatorMargin : workArea.right - kIndicatorMargin - kIndicatorWidth,
          top ? workArea.top + kIndicatorMargin : workArea.bottom - kIndicatorMargin - kIndicatorHeight};
}

void BrightnessIndicator::Show(int32_t percent, ScreenCorner corner) {
  if (ForegroundIsFullScreen()) {
    if (hwnd() != nullptr) ::ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  constexpr DWORD kStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
  if (!Create(kIndicatorClass, kStyle, WS_POPUP, nullptr)) return;
  m_percent = percent;
  m_fadeStep = 0;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const POINT at = IndicatorPosition(monitor.rcWork, corner);
  ::SetWindowPos(hwnd(), HWND_TOPMOST, at.x, at.y, kIndicatorWidth, kIndicatorHeight,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::SetLayeredWindowAttributes(hwnd(), 0, kOpacity, LWA_ALPHA);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  ::UpdateWindow(hwnd());  // drawn now, not when the queue gets to it
  ::KillTimer(hwnd(), kFadeTimer);
  ::SetTimer(hwnd(), kHideTimer, kIndicatorShowMs, nullptr);
}

void BrightnessIndicator::Paint(HDC dc) const {
  const RECT all{0, 0, kIndicatorWidth, kIndicatorHeight};
  FillBox(dc, all, kBackground);
  const RECT track{16, 38, kIndicatorWidth - 16, 44};
  FillBox(dc, track, kTrack);
  const RECT fill{track.left, track.top, track.left + (track.right - track.left) * m_percent / 100, track.bottom};
  FillBox(dc, fill, kFill);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  metrics.lfMessageFont.lfHeight = -16;
  const UniqueGdiObject font(::CreateFontIndirectW(&metrics.lfMessageFont));
  const GdiSelection selectedFont(dc, font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kText);
  const std::wstring text = L"亮度 " + FormatInt32(m_percent) + L"%";
  RECT line{16, 8, kIndicatorWidth - 16, 32};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void BrightnessIndicator::Fade() {
  if (++m_fadeStep >= kFadeSteps) {
    ::KillTimer(hwnd(), kFadeTimer);
    ::ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  ::SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(kOpacity * (kFadeSteps - m_fadeStep) / kFadeSteps),
                               LWA_ALPHA);
}

LRESULT BrightnessIndicator::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kHideTimer) {
        ::KillTimer(hwnd(), kHideTimer);
        ::SetTimer(hwnd(), kFadeTimer, kFadeStepMs, nullptr);
      } else if (wParam == kFadeTimer) {
        Fade();
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = ::BeginPaint(hwnd(), &paint);
      Paint(dc);
      ::EndPaint(hwnd(), &paint);
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // never catches the pointer
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_CLOSE:
      return 0;  // another program's close request (taskkill) must not take it away
    default:
      return MessageWindow::OnMessage(message, wParam, lParam);
  }
}
