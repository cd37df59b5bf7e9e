#pragma once
// The global keys: those that step the brightness of the monitor under the
// pointer (BrightnessUpKey, BrightnessDownKey) and the one that moves the
// sound to the next output (OutputKey), registered with the system for the
// tray window, which then hears WM_HOTKEY; held down, a key repeats. A key
// that would take typing, one Windows keeps, one Brimlet cannot read, a key
// set twice and a key another program holds already are not registered and
// are named with their cause, as is the output key where this Windows cannot
// switch outputs; the others work.
#include <windows.h>

#include <string>
#include <vector>

#include "core/KeyNames.h"
#include "core/Settings.h"
#include "framework/OwnerThread.h"

// Registering keys with the system, as a seam.
class KeyRegistry {
 public:
  // False when the key could not be had (another program holds it).
  virtual bool Register(int id, const HotKey& key) = 0;
  virtual void Unregister(int id) = 0;

 protected:
  ~KeyRegistry() = default;
};

// The system's own, for `window` (RegisterHotKey).
class SystemKeyRegistry final : public KeyRegistry {
 public:
  explicit SystemKeyRegistry(HWND window) : m_window(window) {}
  bool Register(int id, const HotKey& key) override {
    return ::RegisterHotKey(m_window, id, key.modifiers, key.key) != FALSE;
  }
  void Unregister(int id) override { ::UnregisterHotKey(m_window, id); }

 private:
  HWND m_window;
};

class GlobalKeys {
 public:
  // WM_HOTKEY's ids.
  static constexpr int kBrighter = 1;
  static constexpr int kDarker = 2;
  static constexpr int kNextOutput = 3;

  GlobalKeys() = default;
  ~GlobalKeys() { Release(); }
  GlobalKeys(const GlobalKeys&) = delete;
  GlobalKeys& operator=(const GlobalKeys&) = delete;

  // The settings' keys in place of the ones before, through `registry` (kept
  // for their release); the output key only where `outputsSwitch`. The keys
  // set that are not in, with their causes; empty when every key set is in.
  std::vector<KeyFault> Take(const Settings& settings, KeyRegistry& registry, bool outputsSwitch = true);
  void Release();
  // WM_HOTKEY of `id`: +1 a step brighter, -1 darker, 0 not one of ours.
  static int StepsOf(WPARAM id);

 private:
  OwnerThread m_owner;  // the thread of the window the keys are registered for
  KeyRegistry* m_registry = nullptr;
  bool m_registered[3] = {};
};
