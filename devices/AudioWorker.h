#pragma once
// The audio worker: the volume of the program under the pointer and the
// default output, off the hook's and the tray's threads. Core Audio asks the
// audio service, another process, and the hook must return at once. It has a
// thread and a multithreaded COM apartment of its own; notches over one
// window that arrive while it is busy add up into one change. After each
// change of a program's volume, and each switch of the output by the key,
// what is now is left for the tray thread to show.
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/ProgramVolume.h"
#include "devices/Devices.h"
#include "framework/UniqueHandle.h"
#include "framework/WorkerThread.h"

// What a change made: the program under the pointer and its level, or the
// output that is the default now.
struct AudioShown {
  std::wstring name;  // the program's or the output's
  int32_t percent = 0;
  bool muted = false;
  bool plays = false;   // false: the program has no audio session, and nothing changed
  bool output = false;  // the output key moved the default to `name`
};

class AudioWorker {
 public:
  AudioWorker(ProgramSound& sound, Outputs& outputs, Desktop& desktop);
  ~AudioWorker() { Stop(); }
  AudioWorker(const AudioWorker&) = delete;
  AudioWorker& operator=(const AudioWorker&) = delete;

  // From the hook: returns at once.
  void Request(const ProgramVolumeRequest& request) {
    if (m_requests.Add(request)) m_thread.Wake();
  }
  // From the tray thread: the output `id` becomes the default for every role.
  void SwitchOutput(std::wstring id);
  // From the tray thread: the default moves on to the next output, among the
  // `chosen` names when there are any (core/Outputs.h); what it is is shown.
  void NextOutput(std::vector<std::wstring> chosen);
  // Each change shown is announced by `message` posted to `window`.
  void AnnounceTo(HWND window, UINT message);
  // The latest change to show, if one waits.
  bool TakeShown(AudioShown& shown);
  // Ends the thread after the change on its way; changes not started are dropped.
  void Stop() { m_thread.Stop(); }

 private:
  void Run();
  void Apply(const ProgramVolumeRequest& request);
  void SwitchOutputs();
  void Show(AudioShown shown);

  ProgramSound& m_sound;
  Outputs& m_outputs;
  Desktop& m_desktop;
  ProgramVolumeRequests m_requests;
  SRWLOCK m_lock = SRWLOCK_INIT;
  AudioShown m_shown;                                // guarded by m_lock
  bool m_shownWaits = false;                         // guarded by m_lock
  std::optional<std::wstring> m_switchTo;            // guarded by m_lock
  std::optional<std::vector<std::wstring>> m_next;   // guarded by m_lock
  std::atomic<HWND> m_window{nullptr};
  std::atomic<UINT> m_message{0};
  WorkerThread m_thread;  // last: it runs on everything above
};
