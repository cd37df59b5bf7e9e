#pragma once
// Brightness steps, off the hook's thread: the display driver and a monitor's
// DDC/CI link may take their time, and the hook must return at once. Steps that
// arrive while one is on its way add up into one net change, so nothing is
// reordered and nothing piles up. By default the built-in panel is stepped
// through its driver, in the levels it supports, and without one the monitors
// behind the primary display over DDC/CI. With corners on every screen, a step
// goes to the monitor whose corner was turned: its built-in panel when it is
// the built-in display, its DDC/CI monitors otherwise.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/BrightnessLevel.h"
#include "core/CornerChoice.h"
#include "core/ScreenRect.h"
#include "framework/UniqueHandle.h"
#include "hook/Announced.h"
#include "hook/Devices.h"

// A level that was set, for the indicator: percent, the corner turned and its monitor.
struct BrightnessShown {
  int16_t percent = 0;
  ScreenCorner corner = ScreenCorner::TopLeft;
  uint8_t screen = 0;
};

class BrightnessWorker {
 public:
  BrightnessWorker(Clock& clock, Panel& panel, Monitors& monitors);
  // Lets the step on its way finish, then ends the thread.
  ~BrightnessWorker();
  BrightnessWorker(const BrightnessWorker&) = delete;
  BrightnessWorker& operator=(const BrightnessWorker&) = delete;

  // From the hook: returns at once. `screen` indexes the monitors last given
  // to DisplayChanged; `thatScreen`: step that monitor's display alone.
  void Step(bool up, ScreenCorner corner, uint8_t screen = 0, bool thatScreen = false);
  // From the tray thread: the monitors, the primary one first (the display
  // changed, the machine resumed); their DDC/CI links are listed again at the
  // next step.
  void DisplayChanged(const std::vector<ScreenRect>& screens);
  // Each level set, for the indicator; the latest one counts.
  Announced<BrightnessShown>& shown() { return m_shown; }
  // Ends the thread after the step on its way; steps not started are dropped.
  void Stop();

 private:
  // The DDC/CI monitors behind one display, and what the worker remembers of them.
  struct MonitorGroup {
    ScreenRect screen;
    bool listed = false;
    uint64_t listedAt = 0;
    std::vector<HANDLE> handles;
    std::vector<MonitorMemory> memories;
  };

  static DWORD WINAPI ThreadMain(void* self);
  void Run();
  void Apply(int32_t steps);
  bool ApplyToPanel(int32_t steps, int32_t& percent);
  bool ApplyOverDdc(MonitorGroup& group, int32_t steps, int32_t& percent);
  MonitorGroup& GroupFor(const ScreenRect& screen);
  void ReleaseMonitors();

  Clock& m_clock;
  Panel& m_panel;
  Monitors& m_monitorLink;
  std::atomic<int32_t> m_pendingSteps{0};
  std::atomic<uint32_t> m_target{0};  // corner, screen and "that screen" of the latest step
  std::atomic<bool> m_displayChanged{false};
  std::atomic<bool> m_stopping{false};
  Announced<BrightnessShown> m_shown;
  SRWLOCK m_screensLock = SRWLOCK_INIT;
  std::vector<ScreenRect> m_newScreens;  // guarded by m_screensLock
  UniqueKernelHandle m_wake;  // auto-reset: steps are waiting, or the end
  UniqueKernelHandle m_thread;

  // The worker's own.
  std::vector<ScreenRect> m_screens;
  PanelLevel m_lastReading;  // the last usable answer of the panel
  bool m_levelsQueried = false;
  SupportedLevels m_levels;
  std::vector<MonitorGroup> m_groups;
};
