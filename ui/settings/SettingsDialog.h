#pragma once
// The Settings dialog: edits its own working copy of the settings read from
// config.ini (it opens only on settings read from the file, never on defaults
// standing in for a file that could not be read), with each setting on the control the key table
// names for it, on pages: general (the first settings there were), zones,
// volume and brightness, programs, keys. Every page is filled when the dialog opens,
// so a saving OK writes every key of every page, also of pages never looked at.
// A saving OK hands the copy to the store (config.ini, then the start-up
// shortcut) and tells the dialog's owner at once, before the dialog closes. An
// OK that is refused keeps the dialog open with everything typed.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "config/SettingsStore.h"
#include "core/Outputs.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "framework/Dialog.h"
#include "ui/Texts.h"
#include "ui/settings/KeyField.h"

class SettingsDialog final : public Dialog {
 public:
  class Owner {
   public:
    // A saving OK has written `saved` (`written`: also when the save failed):
    // the program takes what the store now holds. The keys that do not work,
    // for the dialog to say; empty when there are none.
    virtual std::vector<KeyFault> SettingsSaved(const Settings& saved, bool written) = 0;

   protected:
    ~Owner() = default;
  };

  // `outputs`: the outputs there are now, to tick for the output key.
  SettingsDialog(const SettingsStore& store, const Texts& texts, Owner& owner, const Settings& read,
                 std::vector<OutputDevice> outputs = {});
  ~SettingsDialog() override { Close(); }

  // The file was read again while the dialog is open: it shows what was read,
  // unless the user has changed something in it.
  void ShowRead(const Settings& read);

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowSettings();
  void ShowSameHeldKeys();
  void ShowOn(const SettingRow& row);
  void ShowNumber(const SettingRow& row, int32_t value);
  bool TakeFrom(const SettingRow& row, UINT notification);
  bool StepNumber(const NMUPDOWN& step);
  void ShowActions(HWND list, const SettingRow& row);
  KeyField& KeyFieldOf(int id);
  void ShowOutputs(HWND list, const SettingRow& row);
  void TakeOutputs(const SettingRow& row);
  void OnOk();

  const SettingsStore& m_store;
  Texts m_texts;
  Owner& m_owner;
  Settings m_settings;  // this dialog's own working copy
  bool m_changed = false;
  bool m_showing = false;  // the fields are being filled, not edited
  std::vector<std::unique_ptr<KeyField>> m_keyFields;
  std::vector<OutputDevice> m_outputs;
  std::vector<std::wstring> m_outputItems;  // the name each item of the outputs' list stands for
};
