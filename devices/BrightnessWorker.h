#pragma once
// Brightness steps, off the hook's thread: the display driver and a monitor's
// DDC/CI link may take their time, and the hook must return at once. Each
// request names its target, and requests for one target that arrive while a
// step is on its way add up into one net change, so nothing is reordered,
// nothing piles up and no step lands on another monitor. By default the
// built-in panel is stepped through its driver, in the levels it supports, and
// without one the monitors behind the primary display over DDC/CI. With
// corners on every screen, a step goes to the monitor whose corner was turned:
// its built-in panel when it is the built-in display, its DDC/CI monitors
// otherwise.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/BrightnessLevel.h"
#include "core/BrightnessRequests.h"
#include "core/CornerZones.h"
#include "devices/Devices.h"
#include "framework/Announced.h"
#include "framework/UniqueHandle.h"
#include "framework/WorkerThread.h"

// A level that was set, for the indicator: where it shows, by the monitor list
// the request named.
#pragma pack(push, 1)  // small enough for a mailbox
struct BrightnessShown {
  uint32_t listVersion = 0;
  int8_t percent = 0;
  ScreenCorner corner = ScreenCorner::TopLeft;
  uint8_t target = kPanelAnywhere;
};
#pragma pack(pop)

class BrightnessWorker {
 public:
  BrightnessWorker(Clock& clock, Panel& panel, Monitors& monitors);
  // Lets the step on its way finish, then ends the thread.
  ~BrightnessWorker() { Stop(); }
  BrightnessWorker(const BrightnessWorker&) = delete;
  BrightnessWorker& operator=(const BrightnessWorker&) = delete;

  // From the hook: returns at once.
  void Request(const BrightnessRequest& request) {
    if (m_requests.Add(request)) m_thread.Wake();
  }
  // From the owner of the monitor list, before anyone names the new version:
  // the monitors requests name from now on. Their DDC/CI links are listed again
  // at the next step.
  void TakeMonitors(const MonitorList& list);
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

  void Run();
  void TakeNewMonitors();
  void Apply(const BrightnessRequest& request);
  bool ApplyToPanel(const BrightnessRequest& request, int32_t& percent);
  bool ApplyOverDdc(MonitorGroup& group, const BrightnessRequest& request, int32_t& percent);
  MonitorGroup& GroupFor(const ScreenRect& screen);
  void ReleaseMonitors();

  Clock& m_clock;
  Panel& m_panel;
  Monitors& m_monitorLink;
  BrightnessRequests m_requests;
  Announced<BrightnessShown> m_shown;
  SRWLOCK m_listLock = SRWLOCK_INIT;
  MonitorList m_newList;  // guarded by m_listLock
  std::atomic<bool> m_listChanged{false};

  // The worker's own.
  MonitorList m_list;
  PanelLevel m_lastReading;  // the last usable answer of the panel
  bool m_levelsQueried = false;
  SupportedLevels m_levels;
  std::vector<MonitorGroup> m_groups;

  WorkerThread m_thread;  // last: it runs on everything above
};
