#include "ui/BrightnessIndicator.h"

#include <string>

#include "framework/Geometry.h"
#include "framework/SystemLibrary.h"
#include "framework/UniqueHandle.h"

namespace {

constexpr UINT kFadeStepMs = 25;
constexpr int kFadeSteps = 8;
constexpr BYTE kOpacity = 230;
constexpr COLORREF kBackground = RGB(32, 32, 32);
constexpr COLORREF kText = RGB(255, 255, 255);
constexpr COLORREF kTrack = RGB(90, 90, 90);
constexpr COLORREF kFill = RGB(255, 201, 64);

int Scaled(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); }

bool HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// How long the panel stays: a second, or the user's notification duration when longer.
UINT ShowMs() {
  ULONG seconds = 0;
  if (::SystemParametersInfoW(SPI_GETMESSAGEDURATION, 0, &seconds, 0) && seconds > kIndicatorShowMs / 1000) {
    return static_cast<UINT>(seconds * 1000);
  }
  return kIndicatorShowMs;
}


void FillBox(HDC dc, const RECT& box, COLORREF colour) {
  const UniqueGdiObject brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &box, static_cast<HBRUSH>(brush.get()));
}

}  // namespace

POINT IndicatorPosition(const RECT& workArea, ScreenCorner corner, UINT dpi) {
  const bool left = corner == ScreenCorner::TopLeft || corner == ScreenCorner::BottomLeft;
  const bool top = corner == ScreenCorner::TopLeft || corner == ScreenCorner::TopRight;
  const int margin = Scaled(kIndicatorMargin, dpi);
  return {left ? workArea.left + margin : workArea.right - margin - Scaled(kIndicatorWidth, dpi),
          top ? workArea.top + margin : workArea.bottom - margin - Scaled(kIndicatorHeight, dpi)};
}

UINT MonitorDpi(HMONITOR monitor) {
  // shcore.dll is no KnownDLL on every system: from the system folder only.
  const UniqueModule shcore = LoadSystemLibrary(L"shcore.dll");
  HRESULT(WINAPI * dpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
  UINT x = 0;
  UINT y = 0;
  if (Resolve(shcore.get(), "GetDpiForMonitor", dpiForMonitor) && SUCCEEDED(dpiForMonitor(monitor, 0, &x, &y)) &&
      x != 0) {
    return x;
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

void BrightnessIndicator::Show(int32_t percent, ScreenCorner corner, const ScreenRect& area) {
  ShowText(m_texts.BrightnessLevel(percent), percent, corner, area);
}

void BrightnessIndicator::ShowText(const std::wstring& text, int32_t percent, ScreenCorner corner,
                                   const ScreenRect& area) {
  HMONITOR monitor = ::MonitorFromPoint(POINT{area.left, area.top}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoW(monitor, &info)) return;
  if (m_desktop.FullScreenOn(m_desktop.Foreground(), ToScreenRect(info.rcMonitor))) {
    if (hwnd() != nullptr) ::ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  constexpr DWORD kStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
  if (!Create(kIndicatorClass, kStyle, WS_POPUP, nullptr)) return;
  m_percent = percent;
  m_text = text;
  m_fadeStep = 0;
  m_dpi = MonitorDpi(monitor);
  m_highContrast = HighContrast();
  ::SetWindowTextW(hwnd(), m_text.c_str());  // what a screen reader reads
  const POINT at = IndicatorPosition(info.rcWork, corner, m_dpi);
  ::SetWindowPos(hwnd(), HWND_TOPMOST, at.x, at.y, Scaled(kIndicatorWidth, m_dpi), Scaled(kIndicatorHeight, m_dpi),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // In high contrast: opaque, and gone without a fade.
  ::SetLayeredWindowAttributes(hwnd(), 0, m_highContrast ? 255 : kOpacity, LWA_ALPHA);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  ::UpdateWindow(hwnd());  // drawn now, not when the queue gets to it
  m_fadeTimer.Stop();
  m_hideTimer.Start(ShowMs());
}

void BrightnessIndicator::Paint(HDC dc) const {
  const auto at = [this](int pixels) { return Scaled(pixels, m_dpi); };
  // High contrast: the user's own colours, the empty track outlined in the text colour.
  const COLORREF background = m_highContrast ? ::GetSysColor(COLOR_WINDOW) : kBackground;
  const COLORREF textColour = m_highContrast ? ::GetSysColor(COLOR_WINDOWTEXT) : kText;
  const RECT all{0, 0, at(kIndicatorWidth), at(kIndicatorHeight)};
  FillBox(dc, all, background);
  if (m_highContrast) FillBox(dc, {all.left, all.top, all.right, all.top + 1}, textColour);
  if (m_percent >= 0) {  // a level to show
    const RECT track{at(16), at(38), at(kIndicatorWidth - 16), at(44)};
    if (m_highContrast) {
      const UniqueGdiObject frame(::CreateSolidBrush(textColour));
      ::FrameRect(dc, &track, static_cast<HBRUSH>(frame.get()));
    } else {
      FillBox(dc, track, kTrack);
    }
    const RECT fill{track.left, track.top, track.left + (track.right - track.left) * m_percent / 100, track.bottom};
    FillBox(dc, fill, m_highContrast ? ::GetSysColor(COLOR_HIGHLIGHT) : kFill);
  }

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  metrics.lfMessageFont.lfHeight = -at(16);
  const UniqueGdiObject font(::CreateFontIndirectW(&metrics.lfMessageFont));
  const GdiSelection selectedFont(dc, font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, textColour);
  RECT line{at(16), at(8), at(kIndicatorWidth - 16), at(32)};
  // Texts keep a program's name short; a line still too wide ends in an ellipsis.
  ::DrawTextW(dc, m_text.c_str(), static_cast<int>(m_text.size()), &line,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void BrightnessIndicator::StartFade() {
  m_hideTimer.Stop();
  if (m_highContrast) {
    ::ShowWindow(hwnd(), SW_HIDE);
  } else {
    m_fadeTimer.Start(kFadeStepMs);
  }
}

void BrightnessIndicator::Fade() {
  if (++m_fadeStep >= kFadeSteps) {
    m_fadeTimer.Stop();
    ::ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  ::SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(kOpacity * (kFadeSteps - m_fadeStep) / kFadeSteps),
                               LWA_ALPHA);
}

std::optional<LRESULT> BrightnessIndicator::OnMessage(UINT message, WPARAM, LPARAM) {
  switch (message) {
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
    default:
      return std::nullopt;
  }
}
