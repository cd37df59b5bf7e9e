#pragma once
// Brightness steps, off the hook's thread: the display driver and a monitor's
// DDC/CI link may take their time, and the hook must return at once. Steps that
// arrive while one is on its way add up into one net change, so nothing is
// reordered and nothing piles up. The built-in panel is stepped through its
// driver, in the levels it supports; without one, the monitors behind the
// primary display are stepped over DDC/CI.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/BrightnessLevel.h"
#include "core/CornerChoice.h"
#include "framework/UniqueHandle.h"
#include "hook/Announced.h"
#include "hook/Devices.h"

// A level that was set, for the indicator: percent and the corner turned.
struct BrightnessShown {
  int16_t percent = 0;
  ScreenCorner corner = ScreenCorner::TopLeft;
};

class BrightnessWorker {
 public:
  BrightnessWorker(Clock& clock, Panel& panel, Monitors& monitors);
  // Lets the step on its way finish, then ends the thread.
  ~BrightnessWorker();
  BrightnessWorker(const BrightnessWorker&) = delete;
  BrightnessWorker& operator=(const BrightnessWorker&) = delete;

  // From the hook: returns at once.
  void Step(bool up, ScreenCorner corner);
  // From the tray thread: the monitors may have changed (the display changed,
  // the machine resumed); they are listed again at the next step.
  void DisplayChanged();
  // Each level set, for the indicator; the latest one counts.
  Announced<BrightnessShown>& shown() { return m_shown; }
  // Ends the thread after the step on its way; steps not started are dropped.
  void Stop();

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Run();
  void Apply(int32_t steps);
  bool ApplyToPanel(int32_t steps, int32_t& percent);
  bool ApplyOverDdc(int32_t steps, int32_t& percent);
  void ReleaseMonitors();

  Clock& m_clock;
  Panel& m_panel;
  Monitors& m_monitorLink;
  std::atomic<int32_t> m_pendingSteps{0};
  std::atomic<uint8_t> m_corner{0};
  std::atomic<bool> m_displayChanged{false};
  std::atomic<bool> m_stopping{false};
  Announced<BrightnessShown> m_shown;
  UniqueKernelHandle m_wake;  // auto-reset: steps are waiting, or the end
  UniqueKernelHandle m_thread;

  // The worker's own.
  PanelLevel m_lastReading;  // the last usable answer of the panel
  bool m_levelsQueried = false;
  SupportedLevels m_levels;
  bool m_monitorsListed = false;
  uint64_t m_listedAt = 0;
  std::vector<HANDLE> m_monitors;
  std::vector<MonitorMemory> m_memories;  // one for each monitor
};
