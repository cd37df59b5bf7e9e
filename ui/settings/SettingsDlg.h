#pragma once
// The Settings dialog: edits a working copy of the settings; a saving OK updates
// the start-up shortcut, writes config.ini and hands the result to the running hook.
#include "config/Settings.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/MessageMap.h"

// The dialog's working copy, refilled from the file each time a dialog opens.
extern Settings g_dialogSettings;

class SettingsDlg : public CDialog {
 public:
  SettingsDlg();

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnAutoRunClicked();
  void OnFullScreenClicked();
  void OnLTSelChange();
  void OnLBSelChange();
  void OnRTSelChange();
  void OnRBSelChange();
  LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
  void OnSoundClicked();

  void TakeCheck(const CButton& check, bool& field);
  void TakeSelection(const CComboBox& list, int32_t& field);
  void ShowInterval(int32_t interval) const;

  CButton m_autoRunCheck;
  CButton m_soundCheck;
  CButton m_fullScreenCheck;
  CComboBox m_ltCombo;
  CComboBox m_lbCombo;
  CComboBox m_rtCombo;
  CComboBox m_rbCombo;
  CSliderCtrl m_intervalSlider;
  bool m_changed = false;

  static const MessageMapEntry<SettingsDlg> kMessageMap[8];
};
