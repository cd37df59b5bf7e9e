#pragma once
// The settings the program runs on, from the store: at start, after each
// saving OK, and whenever a file that could not be read may be read again.
//
// At the first start of a copy of Brimlet, config.ini is written with the
// defaults, so the first-start notice shows once per copy, also for users who
// never save; where the file cannot be written no notice shows (it would show
// at every start). A file that is there but cannot be read (an editor, a sync
// client or a virus scanner holding it for a moment) is tried again every
// 250 ms for 3 s, then every 2 s, with a notice that Brimlet waits for it, and
// at once when Settings is chosen, until it is read. Nothing acts meanwhile:
// not the defaults either, which would turn corners back on that the user
// turned off. A re-read after a saving OK that fails is retried the same way,
// while the values just saved act.
#include "config/SettingsStore.h"
#include "core/Settings.h"
#include "framework/OwnerThread.h"
#include "framework/Timer.h"

class SettingsLoader {
 public:
  class Owner {
   public:
    // What acts from now on: the settings read (or just saved).
    virtual void TakeSettings(const Settings& settings) = 0;
    // This copy's first start: its config.ini has just been written.
    virtual void FirstStart() = 0;
    // The file could not be read at start for 3 s: nothing acts until it can be.
    virtual void SettingsUnreadable() = 0;

   protected:
    ~Owner() = default;
  };

  SettingsLoader(const SettingsStore& store, Owner& owner) : m_store(store), m_owner(owner) {}

  // At start, before the message loop: the owner takes the settings now, or
  // nothing acts until it does.
  void Load();
  // A saving OK has written `saved` (`written`: the save worked): the file is
  // read again; while it cannot be, what was saved acts and it is retried.
  void Reload(const Settings& saved, bool written);
  // Settings was chosen: the file is read now, so the dialog shows what it
  // holds. False when it cannot be read (retries go on).
  bool ReadNow();

 private:
  bool TryRead();
  void OnRetry();
  void Retry();

  OwnerThread m_thread;  // the tray thread, whose timer retries
  const SettingsStore& m_store;
  Owner& m_owner;
  TimerOf<SettingsLoader> m_retry{*this, &SettingsLoader::OnRetry};
  int m_tries = 0;
  bool m_told = false;  // the notice that Brimlet waits for the file has shown
};
