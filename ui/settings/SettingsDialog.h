#pragma once
// The Settings dialog: edits its own working copy of the settings, read from
// the store when it opens, with each setting on the control the key table
// names for it, on pages: general (the first settings there were), zones,
// volume and brightness, programs, keys. Every page is filled when the dialog opens,
// so a saving OK writes every key of every page, also of pages never looked at.
// A saving OK hands the copy to the store (config.ini, then the start-up
// shortcut) and tells the dialog's owner at once, before the dialog closes. An
// OK that is refused keeps the dialog open with everything typed.
#include <windows.h>

#include <commctrl.h>

#include "config/SettingsStore.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "framework/Dialog.h"
#include "ui/Texts.h"

class SettingsDialog final : public Dialog {
 public:
  class Owner {
   public:
    // A saving OK has written the settings (also when the save failed): the
    // program takes what the store now holds. The names of the keys another
    // program holds, for the dialog to say; empty when there are none.
    virtual std::wstring SettingsSaved() = 0;

   protected:
    ~Owner() = default;
  };

  SettingsDialog(const SettingsStore& store, const Texts& texts, Owner& owner);
  ~SettingsDialog() override { Close(); }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowSettings();
  void ShowOn(const SettingRow& row);
  void ShowNumber(const SettingRow& row, int32_t value);
  bool TakeFrom(const SettingRow& row, UINT notification);
  bool StepNumber(const NMUPDOWN& step);
  void OnOk();

  const SettingsStore& m_store;
  Texts m_texts;
  Owner& m_owner;
  Settings m_settings;  // this dialog's own working copy
  bool m_changed = false;
  bool m_showing = false;  // the fields are being filled, not edited
};
