#pragma once
// Brightness steps, off the hook's thread: the display driver and a monitor's
// DDC/CI link may take their time, and the hook must return at once. Steps that
// arrive while one is on its way add up into one net change, so nothing is
// reordered and nothing piles up. The built-in panel ("\\.\LCD") is stepped
// through its driver, in the levels it supports; without one, the monitors
// behind the primary display are stepped over DDC/CI.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/BrightnessLevel.h"
#include "core/CornerWheel.h"
#include "framework/UniqueHandle.h"
#include "hook/ActionSeam.h"

inline constexpr wchar_t kDisplayDevicePath[] = L"\\\\.\\LCD";

// A level that was set, for the indicator: percent and the corner turned.
struct BrightnessShown {
  int32_t percent = 0;
  ScreenCorner corner = ScreenCorner::TopLeft;
};

class BrightnessWorker {
 public:
  explicit BrightnessWorker(ActionSeam& seam);
  // Lets the step on its way finish, then ends the thread.
  ~BrightnessWorker();
  BrightnessWorker(const BrightnessWorker&) = delete;
  BrightnessWorker& operator=(const BrightnessWorker&) = delete;

  // From the hook: returns at once.
  void Step(bool up, ScreenCorner corner = ScreenCorner::TopLeft);
  // From the tray thread: the monitors may have changed; they are acquired
  // again, and one that did not answer gets another chance.
  void DisplayChanged();
  // Where a level that was set is announced: `message` posted to `window`.
  void AnnounceTo(HWND window, UINT message);
  // The last level set, once announced.
  bool TakeShown(BrightnessShown& shown);
  // Ends the thread after the step on its way; steps not started are dropped.
  void Stop();
  HANDLE thread() const { return m_thread.get(); }

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Run();
  void Apply(int32_t steps);
  bool ApplyToPanel(int32_t steps, int32_t& percent);
  bool ApplyOverDdc(int32_t steps, int32_t& percent);
  void ReleaseMonitors();
  void Announce(int32_t percent);

  ActionSeam& m_seam;
  std::atomic<int32_t> m_pendingSteps{0};
  std::atomic<uint8_t> m_corner{0};
  std::atomic<bool> m_displayChanged{false};
  std::atomic<bool> m_stopping{false};
  std::atomic<uint32_t> m_shown{0};  // percent + 1 in the low byte, corner above; 0: none
  std::atomic<HWND> m_listener{nullptr};
  std::atomic<UINT> m_listenerMessage{0};
  UniqueKernelHandle m_wake;  // auto-reset: steps are waiting, or the end
  UniqueKernelHandle m_thread;

  // The worker's own.
  int32_t m_lastBrightness = kInitialBrightness;
  bool m_levelsQueried = false;
  SupportedLevels m_levels;
  bool m_monitorsAcquired = false;
  std::vector<HANDLE> m_monitors;
  std::vector<bool> m_monitorAnswers;  // false: did not answer; left alone until the display changes
};
