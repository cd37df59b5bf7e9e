#pragma once
// What the wheel's actions do to the machine, one seam for each thing touched:
// the keys sent, the step sound, the hooks' installation, the built-in panel,
// the monitors over DDC/CI, and (core/Desktop.h) the clock, the window in
// front, the taskbar under the pointer and the modifiers held. The system's own
// are in SystemDevices; tests stand in for them and see what was done. The
// hook thread, the brightness worker and the tray thread use them at once: an
// implementation must allow that.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/BrightnessLevel.h"
#include "core/Desktop.h"
#include "core/Outputs.h"
#include "core/ProgramVolume.h"
#include "core/ScreenRect.h"

class Keys {
 public:
  // `presses` presses and releases of the volume-up or volume-down key, at
  // once; false with the system's error when they could not be sent.
  virtual bool SendStep(bool up, int32_t presses, DWORD& error) = 0;
  // One press and release of the mute key.
  virtual bool SendMute(DWORD& error) = 0;
  // One press and release of a key no program is given a meaning to, while
  // Alt or Win is held: letting that modifier go then opens no menu.
  virtual bool SendModifierMask(DWORD& error) = 0;

 protected:
  ~Keys() = default;
};

class StepSound {
 public:
  // Starts the short sound after a volume step; never waits for it.
  virtual void Play() = 0;

 protected:
  ~StepSound() = default;
};

class HookInstaller {
 public:
  // The low-level mouse hook with `procedure`, for the calling thread's loop;
  // null with the system's error as the last error.
  virtual HHOOK InstallMouseHook(HOOKPROC procedure) = 0;
  // The low-level keyboard hook, likewise.
  virtual HHOOK InstallKeyboardHook(HOOKPROC procedure) = 0;

 protected:
  ~HookInstaller() = default;
};

enum class DeviceAnswer { Absent, Failed, Done };

class Panel {
 public:
  // The levels the panel supports, each 0..100, with its level.
  virtual DeviceAnswer SupportedLevels(std::vector<uint8_t>& levels) = 0;
  virtual DeviceAnswer Read(PanelLevel& level) = 0;
  virtual DeviceAnswer Write(const PanelLevel& level) = 0;
  // The panel is the display of `monitor`.
  virtual bool Shows(const ScreenRect& monitor) = 0;

 protected:
  ~Panel() = default;
};

// A monitor's brightness over DDC/CI, in its own units.
struct MonitorLevel {
  uint32_t minimum = 0;
  uint32_t current = 0;
  uint32_t maximum = 0;
};

class Monitors {
 public:
  // The physical monitors behind the display at `monitor`; each one listed
  // must go back through Release. False when they could not be listed.
  virtual bool List(const ScreenRect& monitor, std::vector<HANDLE>& monitors) = 0;
  virtual bool Read(HANDLE monitor, MonitorLevel& level) = 0;
  virtual bool Write(HANDLE monitor, uint32_t value) = 0;
  virtual void Release(const std::vector<HANDLE>& monitors) = 0;

 protected:
  ~Monitors() = default;
};

// The program behind a window, as the audio worker finds it.
struct SoundProgram {
  uint32_t process = 0;
  std::wstring file;  // the file name it runs ("firefox.exe")
  std::wstring name;  // what users call it: its file's description, else its file name
};

// The audio sessions of every program, for the audio worker's thread alone
// (its COM apartment is multithreaded).
class ProgramSound {
 public:
  // The program whose top-level window `window` is; for a Store app's frame,
  // the app inside it. False for a window that is gone.
  virtual bool ProgramOf(uint64_t window, SoundProgram& program) = 0;
  // Every audio session on every active output device, listed anew, so a
  // program that has started playing counts at once. False when Windows has
  // no audio to ask.
  virtual bool Sessions(std::vector<SoundSession>& sessions) = 0;
  // Sets the mute (and, with `setLevel`, the level) of a session of the last list.
  virtual bool Set(size_t session, float level, bool setLevel, bool muted) = 0;
  // Lets go of everything Core Audio handed out, before the thread's COM ends.
  virtual void Close() = 0;

 protected:
  ~ProgramSound() = default;
};

// The sound outputs, and the default among them; from the tray thread and the
// audio worker, each in its own COM apartment.
class Outputs {
 public:
  // The active outputs in Windows' order, the default (for the console role)
  // marked. False when Windows has no audio to ask.
  virtual bool List(std::vector<OutputDevice>& outputs) = 0;
  // This Windows lets a program set the default output.
  virtual bool CanSwitch() = 0;
  // The output `id` becomes the default for every role (console, multimedia,
  // communications).
  virtual bool MakeDefault(const std::wstring& id) = 0;

 protected:
  ~Outputs() = default;
};

// All of them, as the program hands them to the hook and the worker.
struct Devices {
  Clock& clock;
  Desktop& desktop;
  Keys& keys;
  StepSound& sound;
  HookInstaller& hooks;
  Panel& panel;
  Monitors& monitors;
  ProgramSound& programSound;
  Outputs& outputs;
};
