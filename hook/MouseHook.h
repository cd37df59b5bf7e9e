#pragma once
// The low-level mouse hook, on a thread of its own that does nothing but install
// the hook, pump its messages and run the callback: nothing the tray thread does
// (files, COM, dialogs, a message box) can hold an event past the system's
// time-out, after which the system removes a hook without notice. While a held
// key is set, a low-level keyboard hook on the same thread (never on another:
// every key press of the desktop waits for the thread that installed it) only
// notes when a modifier is let go, so the next hold is masked anew.
#include <windows.h>

#include <atomic>
#include <optional>

#include "core/CornerWheel.h"
#include "devices/BrightnessWorker.h"
#include "devices/Devices.h"
#include "devices/AudioWorker.h"
#include "devices/StepSoundPlayer.h"
#include "framework/Announced.h"
#include "framework/OwnerThread.h"
#include "framework/UniqueHandle.h"
#include "framework/WorkerThread.h"

// Failures inside the mouse hook are never shown there: a hook that waits for a
// person is skipped and, after a few time-outs, removed by the system for good.
// The hook leaves them for the tray thread, which shows them once it has returned.
enum class HookError : uint8_t {
  MissingEventRecord = 1,  // code unused
  SendInputFailed = 2,     // code: the error SendInput left
};

#pragma pack(push, 1)  // small enough for a mailbox
struct HookReport {
  HookError error{};
  uint32_t code = 0;  // the system's error code, where there is one

  friend bool operator==(const HookReport&, const HookReport&) = default;
};
#pragma pack(pop)

// While a report is waiting to be taken, further ones are dropped; the tray
// shows one box at a time anyway.
using HookReports = Announced<HookReport>;

class MouseHook {
 public:
  MouseHook(const CornerSnapshot& snapshot, const Devices& devices, BrightnessWorker& brightness,
            AudioWorker& audio);
  ~MouseHook() { Stop(); }
  MouseHook(const MouseHook&) = delete;
  MouseHook& operator=(const MouseHook&) = delete;

  // Starts the hook's thread and waits until the hook is installed, or could not
  // be: false then, with the system's error in `error`.
  bool Start(DWORD& error);
  // Removes the hook and ends its thread. The thread ends only when asked: a
  // quit request another program posts to it is ignored.
  void Stop() { m_thread.Stop(); }
  // Installs the hook again, on its own thread, keeping the volume clock and a
  // middle click under way: the new hook is in before the old one goes, so no
  // event passes unseen, and an event is acted on once. Starts the thread if it
  // has ended. False, with the system's error, when no hook runs afterwards.
  bool Reinstall(DWORD& error);
  // A hook is installed and its thread runs.
  bool IsRunning() const { return m_thread.Started() && !m_thread.Ended() && m_installed.load() != nullptr; }
  // Mouse events the hook has seen so far.
  uint32_t EventsSeen() const { return m_events.load(std::memory_order_relaxed); }
  // A keyboard hook is in, and the key events it has seen so far.
  bool WatchesKeyboard() const { return m_keyboardIn.load(); }
  uint32_t KeyEventsSeen() const { return m_keyEvents.load(std::memory_order_relaxed); }
  // Where the hook leaves its failures.
  HookReports& reports() { return m_reports; }
  // From the tray thread: the hook acts on `snapshot` from its next event on,
  // never on half of it. Before the hook's thread runs it is only kept: hooks
  // are installed by that thread alone.
  void Publish(const CornerSnapshot& snapshot);

  // One low-level mouse event, as the callback hands it on: false when it is
  // kept from the other programs (a middle click that muted). Tests call it directly.
  bool Handle(WPARAM message, LPARAM lParam);
  // The callbacks the system calls on the hook's thread.
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam);

 private:
  void Run();
  bool TakeSnapshot();
  void TakePublished();
  HHOOK Install();
  // The keyboard hook while the held key needs it, none otherwise; `again`
  // puts a new one in first.
  void FollowTheKeyboard(bool again);

  // The hook whose thread runs: all the callback can reach.
  static MouseHook* s_running;

  Devices m_devices;
  BrightnessWorker& m_brightness;
  AudioWorker& m_audio;
  HookReports m_reports;
  StepSoundPlayer m_sound;
  OwnerThread m_owner;  // the hook's thread while it runs
  CornerWheel m_wheel;  // the hook thread's own once it runs
  UniqueHook m_keyboard;  // the hook thread's own
  bool m_passingOn = false;  // the hook thread's own: an event is on its way down the chain

  SRWLOCK m_publishLock = SRWLOCK_INIT;
  std::optional<CornerSnapshot> m_published;  // guarded by m_publishLock

  UniqueKernelHandle m_started;      // set once the hook is in, or could not be
  UniqueKernelHandle m_reinstalled;  // set when a reinstall asked for has been done
  std::atomic<bool> m_reinstallAsked{false};
  std::atomic<HHOOK> m_installed{nullptr};
  std::atomic<DWORD> m_installError{0};
  std::atomic<uint32_t> m_events{0};
  std::atomic<bool> m_keyboardIn{false};
  std::atomic<uint32_t> m_keyEvents{0};
  WorkerThread m_thread;  // last: it runs on everything above
};
