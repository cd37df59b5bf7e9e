#include "hook/MouseHook.h"

#include "app/BrimletApp.h"
#include "app/TrayThread.h"
#include "hook/ActionSeam.h"
#include "hook/CornerActions.h"
#include "hook/CornerChoice.h"

namespace {

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// A foreground window that exactly covers its monitor. The desktop and the
// shell's window never count, and neither does having no foreground window.
bool ForegroundIsFullScreen() {
  HWND foreground = ::GetForegroundWindow();
  if (foreground == nullptr || foreground == ::GetDesktopWindow() || foreground == ::GetShellWindow()) {
    return false;
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT window{};
  if (!::GetMonitorInfoW(::MonitorFromWindow(foreground, MONITOR_DEFAULTTOPRIMARY), &monitor) ||
      !::GetWindowRect(foreground, &window)) {
    return false;
  }
  return CoversMonitorExactly(ToScreenRect(window), ToScreenRect(monitor.rcMonitor));
}

void OnMouseEvent(WPARAM message, const MSLLHOOKSTRUCT& event) {
  // The cheap corner test comes first, so only a turn in a corner costs
  // window-manager queries.
  const int32_t action =
      ActionForMouseMessage(static_cast<uint32_t>(message), event.pt.x, event.pt.y, g_cornerZones, g_settings);
  if (action == 0) return;
  if (g_settings.DisableFunctionWhenFullScreen && ForegroundIsFullScreen()) return;
  RunCornerAction(action, WheelTurnedUp(event.mouseData));
}

}  // namespace

static_assert(kVerticalWheelMessage == WM_MOUSEWHEEL);

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) {
    g_actionSeam->postError(HookError::MissingEventRecord, 0);
  } else {
    OnMouseEvent(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam));
  }
  return ::CallNextHookEx(g_mouseHook, code, wParam, lParam);
}
