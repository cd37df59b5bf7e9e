#pragma once
// The Settings dialog: edits its own working copy of the settings, read from the
// store when it opens; a saving OK hands the copy to the store (start-up
// shortcut and config.ini) and is then committed.
#include "config/SettingsStore.h"
#include "core/Settings.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "ui/Texts.h"

class SettingsDlg : public CDialog {
 public:
  SettingsDlg(const SettingsStore& store, const Texts& texts);

  BOOL OnInitDialog() override;
  void OnOK() override;
  // An OK wrote the settings (also when the save failed): the program takes
  // what the store now holds.
  bool committed() const { return m_committed; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnIntervalScrolled();
  void ShowInterval(int32_t interval) const;

  const SettingsStore& m_store;
  const Texts& m_texts;
  Settings m_settings;  // this dialog's own working copy
  bool m_changed = false;
  bool m_committed = false;
  CSliderCtrl m_intervalSlider;
};
