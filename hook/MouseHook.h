#pragma once
// The low-level mouse hook, on a thread of its own that does nothing but install
// the hook, pump its messages and run the callback: nothing the tray thread does
// (files, COM, dialogs, a message box) can hold an event past the system's
// time-out, after which the system removes a hook without notice.
#include <windows.h>

#include <atomic>
#include <optional>

#include "core/CornerWheel.h"
#include "framework/UniqueHandle.h"
#include "hook/ActionSeam.h"
#include "hook/BrightnessWorker.h"
#include "hook/HookReports.h"

inline constexpr wchar_t kVolumeStepSound[] = L"C:\\Windows\\Media\\Windows Background.wav";

class MouseHook {
 public:
  MouseHook(const CornerSnapshot& snapshot, ActionSeam& seam, BrightnessWorker& brightness, HookReports& reports);
  ~MouseHook();
  MouseHook(const MouseHook&) = delete;
  MouseHook& operator=(const MouseHook&) = delete;

  // Starts the hook's thread and waits until the hook is installed, or could not
  // be: false then, with the system's error in `error`.
  bool Start(DWORD& error);
  // Removes the hook and ends its thread.
  void Stop();
  // Removes the hook and installs it again, on its own thread, keeping the
  // volume clock; never two hooks at once. Starts the thread if it has ended.
  // False, with the system's error, when no hook runs afterwards.
  bool Reinstall(DWORD& error);
  // A hook is installed and its thread runs.
  bool IsRunning() const;
  // Mouse events the hook has seen so far.
  uint32_t EventsSeen() const { return m_events.load(std::memory_order_relaxed); }
  // How often the hook was installed again; the hook handle itself, which only a
  // test that plays the system removing it behind the program's back needs.
  uint32_t Reinstalls() const { return m_reinstalls.load(); }
  HHOOK InstalledHook() const { return m_installed.load(); }
  // From the tray thread: the hook acts on `snapshot` from its next event on,
  // never on half of it.
  void Publish(const CornerSnapshot& snapshot);

  // One low-level mouse event, as the callback hands it on; tests call it directly.
  void Handle(WPARAM message, LPARAM lParam);
  // The callback the system calls on the hook's thread.
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Run();
  void TakePublished();
  void SendVolumeKey(bool up);
  HHOOK Install();

  // The hook whose thread runs: all the callback can reach.
  static MouseHook* s_running;

  ActionSeam& m_seam;
  BrightnessWorker& m_brightness;
  HookReports& m_reports;
  CornerWheel m_wheel;  // the hook thread's own once it runs

  SRWLOCK m_publishLock = SRWLOCK_INIT;
  std::optional<CornerSnapshot> m_published;  // guarded by m_publishLock

  UniqueKernelHandle m_started;      // set once the hook is in, or could not be
  UniqueKernelHandle m_reinstalled;  // set when a reinstall asked for has been done
  std::atomic<bool> m_reinstallAsked{false};
  std::atomic<uint32_t> m_reinstalls{0};
  std::atomic<HHOOK> m_installed{nullptr};
  std::atomic<DWORD> m_installError{0};
  std::atomic<uint32_t> m_events{0};
  UniqueKernelHandle m_thread;
  DWORD m_threadId = 0;
};
