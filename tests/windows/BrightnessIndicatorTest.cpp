#include "ui/BrightnessIndicator.h"

#include <gtest/gtest.h>

#include <functional>

#include "devices/BrightnessWorker.h"
#include "devices/SystemDevices.h"
#include "tests/support/Screenshot.h"
#include "tests/windows/FakeDevices.h"

namespace {

const Texts kChinese(true);

void PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  MSG msg;
  while (!done() && ::GetTickCount64() < end) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::Sleep(5);
  }
}

// The window in front, as the system tells.
class IndicatorTest : public ::testing::Test {
 protected:
  SystemDevices m_desktop;
};
using IndicatorDpiTest = IndicatorTest;

RECT PrimaryWorkArea() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor.rcWork;
}

TEST_F(IndicatorTest, ShowsNearEachCornerOnTopWithoutFocusThenHides) {
  BrightnessIndicator indicator(kChinese, m_desktop);
  const RECT work = PrimaryWorkArea();
  HWND front = ::GetForegroundWindow();
  ULONGLONG shown = 0;
  for (const ScreenCorner corner :
       {ScreenCorner::TopLeft, ScreenCorner::TopRight, ScreenCorner::BottomLeft, ScreenCorner::BottomRight}) {
    indicator.Show(52, corner);
    shown = ::GetTickCount64();
    HWND window = indicator.hwnd();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(::IsWindowVisible(window));
    const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
    constexpr DWORD kWanted = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    EXPECT_EQ(style & kWanted, kWanted) << "layered, click-through, no taskbar button, no focus, topmost";
    EXPECT_EQ(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD, 0);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const POINT at = IndicatorPosition(work, corner);
    EXPECT_EQ(rect.left, at.x);
    EXPECT_EQ(rect.top, at.y);
    EXPECT_EQ(rect.right - rect.left, kIndicatorWidth);
    const bool left = corner == ScreenCorner::TopLeft || corner == ScreenCorner::BottomLeft;
    const bool top = corner == ScreenCorner::TopLeft || corner == ScreenCorner::TopRight;
    EXPECT_EQ(left ? rect.left - work.left : work.right - rect.right, kIndicatorMargin);
    EXPECT_EQ(top ? rect.top - work.top : work.bottom - rect.bottom, kIndicatorMargin);
    EXPECT_EQ(::GetForegroundWindow(), front) << "the panel took the focus";
    wchar_t text[32] = {};
    ::GetWindowTextW(window, text, 32);
    EXPECT_STREQ(text, L"亮度 52%") << "what a screen reader reads";
    EXPECT_EQ(::SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 5, rect.top + 5)), HTTRANSPARENT);
  }
  PumpUntil([] { return false; }, 100);  // drawn on screen
  SaveScreenshot(L"brightness-indicator");

  PumpUntil([&] { return !::IsWindowVisible(indicator.hwnd()); }, 5000);
  const ULONGLONG after = ::GetTickCount64() - shown;
  EXPECT_FALSE(::IsWindowVisible(indicator.hwnd()));
  EXPECT_GE(after, 900U) << "gone too soon";
  EXPECT_LE(after, 2500U) << "stayed too long";
}

TEST_F(IndicatorTest, NeverShowsOverAFullScreenWindow) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  HWND full = ::CreateWindowExW(0, L"STATIC", L"full screen", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                nullptr, nullptr, nullptr);
  ::SetForegroundWindow(full);
  PumpUntil([&] { return ::GetForegroundWindow() == full; }, 2000);
  ASSERT_EQ(::GetForegroundWindow(), full);
  BrightnessIndicator indicator(kChinese, m_desktop);
  indicator.Show(40, ScreenCorner::TopLeft);
  EXPECT_TRUE(indicator.hwnd() == nullptr || !::IsWindowVisible(indicator.hwnd()));
  ::DestroyWindow(full);
}

// The whole way through the seam: a turn in a corner, the worker's step on a
// fake panel, the level it announces, the panel near that corner.
TEST_F(IndicatorTest, ShowsTheLevelTheWorkerSetNearTheCornerTurned) {
  FakeDevices fake;
  BrightnessWorker worker(fake, fake, fake);
  // The tray window stands in as a window whose procedure notes the announcement.
  static bool announced = false;
  announced = false;
  WNDCLASSEXW listenerClass{};
  listenerClass.cbSize = sizeof(listenerClass);
  listenerClass.lpszClassName = L"BrimletIndicatorTestListener";
  listenerClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_APP + 7) announced = true;
    return ::DefWindowProcW(window, message, wParam, lParam);
  };
  ::RegisterClassExW(&listenerClass);
  HWND listener = ::CreateWindowExW(0, listenerClass.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr);
  worker.shown().AnnounceTo(listener, WM_APP + 7);
  BrightnessRequest request;
  request.steps = 1;
  request.corner = ScreenCorner::BottomRight;
  worker.Request(request);
  PumpUntil([] { return announced; }, 5000);
  ASSERT_TRUE(announced) << "the worker announced nothing";
  BrightnessShown shown;
  ASSERT_TRUE(worker.shown().Take(shown));
  EXPECT_EQ(shown.percent, 52);
  EXPECT_EQ(shown.corner, ScreenCorner::BottomRight);
  EXPECT_FALSE(worker.shown().Take(shown)) << "taken once";

  BrightnessIndicator indicator(kChinese, m_desktop);
  indicator.Show(shown.percent, shown.corner);
  RECT rect{};
  ::GetWindowRect(indicator.hwnd(), &rect);
  EXPECT_EQ(rect.left, IndicatorPosition(PrimaryWorkArea(), ScreenCorner::BottomRight).x);
  ::DestroyWindow(listener);
}

}  // namespace

namespace {

// Run by the 144 DPI suite (Wine takes its DPI from LogPixels); skipped at any other DPI.
TEST_F(IndicatorDpiTest, SizeFontAndMarginFollowTheMonitorsDpi) {
  ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);  // as Brimlet.exe's manifest says
  if (MonitorDpi(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)) != 144) GTEST_SKIP() << "not at 144 DPI";
  BrightnessIndicator indicator(kChinese, m_desktop);
  indicator.Show(52, ScreenCorner::BottomRight);
  RECT rect{};
  ::GetWindowRect(indicator.hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, 300) << "200 pixels at 96 DPI";
  EXPECT_EQ(rect.bottom - rect.top, 84);
  const RECT work = PrimaryWorkArea();
  EXPECT_EQ(work.right - rect.right, 24);
  EXPECT_EQ(work.bottom - rect.bottom, 24);
  PumpUntil([] { return false; }, 100);  // drawn on screen
  SaveScreenshot(L"brightness-indicator-144dpi");
}

}  // namespace
