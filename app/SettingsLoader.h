#pragma once
// The settings the program runs on, from the store: at start, after each
// saving OK, and whenever a file that could not be read may be read again.
//
// At the first start of a copy of Brimlet, config.ini is written with the
// defaults, so the first-start notice shows once per copy, also for users who
// never save; where the file cannot be written no notice shows (it would show
// at every start). A file that is there but cannot be read (an editor, a sync
// client or a virus scanner holding it for a moment) is tried again every
// 250 ms for 3 s, while nothing acts; then the defaults act, a notice says so,
// and the file is tried again every 2 s, and at once when Settings opens,
// until it is read.
#include "config/SettingsStore.h"
#include "core/Settings.h"
#include "framework/Timer.h"

class SettingsLoader {
 public:
  class Owner {
   public:
    // What acts from now on: the settings read, or the defaults.
    virtual void TakeSettings(const Settings& settings) = 0;
    // This copy's first start: its config.ini has just been written.
    virtual void FirstStart() = 0;
    // The file could not be read for 3 s: the defaults act until it can be.
    virtual void SettingsUnreadable() = 0;

   protected:
    ~Owner() = default;
  };

  SettingsLoader(const SettingsStore& store, Owner& owner) : m_store(store), m_owner(owner) {}

  // At start, before the message loop: the owner takes the settings now, or
  // nothing acts until it does.
  void Load();
  // The file may have changed (a saving OK): read it again.
  void Reload();
  // Settings opens: a file not read so far is tried at once.
  void ReadIfUnread();

 private:
  bool TryRead();
  void OnRetry();

  const SettingsStore& m_store;
  Owner& m_owner;
  TimerOf<SettingsLoader> m_retry{*this, &SettingsLoader::OnRetry};
  int m_tries = 0;
  bool m_read = false;  // the file has been read (or there was none)
};
