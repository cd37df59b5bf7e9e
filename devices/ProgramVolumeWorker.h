#pragma once
// The volume of the program under the pointer, off the hook's thread: Core
// Audio asks the audio service, another process, and the hook must return at
// once. The worker has a thread and a multithreaded COM apartment of its own;
// notches over one window that arrive while it is busy add up into one
// change. After each change the level the program has now is left for the
// tray thread to show.
#include <windows.h>

#include <atomic>
#include <string>

#include "core/ProgramVolume.h"
#include "devices/Devices.h"
#include "framework/UniqueHandle.h"
#include "framework/WorkerThread.h"

// What the program under the pointer has now.
struct ProgramLevelShown {
  std::wstring program;  // its name
  int32_t percent = 0;
  bool muted = false;
  bool plays = false;  // false: it has no audio session, and nothing changed
};

class ProgramVolumeWorker {
 public:
  ProgramVolumeWorker(ProgramSound& sound, Desktop& desktop);
  ~ProgramVolumeWorker() { Stop(); }
  ProgramVolumeWorker(const ProgramVolumeWorker&) = delete;
  ProgramVolumeWorker& operator=(const ProgramVolumeWorker&) = delete;

  // From the hook: returns at once.
  void Request(const ProgramVolumeRequest& request) {
    if (m_requests.Add(request)) m_thread.Wake();
  }
  // Each level set is announced by `message` posted to `window`.
  void AnnounceTo(HWND window, UINT message);
  // The latest level set, if one waits.
  bool TakeShown(ProgramLevelShown& shown);
  // Ends the thread after the change on its way; changes not started are dropped.
  void Stop() { m_thread.Stop(); }

 private:
  void Run();
  void Apply(const ProgramVolumeRequest& request);

  ProgramSound& m_sound;
  Desktop& m_desktop;
  ProgramVolumeRequests m_requests;
  SRWLOCK m_shownLock = SRWLOCK_INIT;
  ProgramLevelShown m_shown;  // guarded by m_shownLock
  bool m_shownWaits = false;  // guarded by m_shownLock
  std::atomic<HWND> m_window{nullptr};
  std::atomic<UINT> m_message{0};
  WorkerThread m_thread;  // last: it runs on everything above
};
