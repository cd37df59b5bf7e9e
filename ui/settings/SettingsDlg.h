#pragma once
// The Settings dialog: edits its own working copy of the settings; a saving OK
// updates the start-up shortcut, writes config.ini and hands what the file then
// holds to the running program.
#include "config/AppPaths.h"
#include "core/Settings.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/MessageMap.h"

// Hears of the settings after a saving OK.
class SettingsSink {
 public:
  virtual void OnSettingsSaved(const Settings& saved) = 0;

 protected:
  ~SettingsSink() = default;
};

class SettingsDlg : public CDialog {
 public:
  SettingsDlg(const AppPaths& paths, SettingsSink& sink);

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnAutoRunClicked();
  void OnFullScreenClicked();
  void OnTopLeftChanged();
  void OnBottomLeftChanged();
  void OnTopRightChanged();
  void OnBottomRightChanged();
  LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
  void OnSoundClicked();

  void TakeCheck(const CButton& check, bool& field);
  void TakeSelection(const CComboBox& list, int32_t& field);
  void ShowInterval(int32_t interval) const;

  const AppPaths& m_paths;
  SettingsSink& m_sink;
  Settings m_settings;  // this dialog's own working copy, filled from the file when it opens
  bool m_changed = false;

  CButton m_autoRunCheck;
  CButton m_soundCheck;
  CButton m_fullScreenCheck;
  CComboBox m_topLeftList;
  CComboBox m_bottomLeftList;
  CComboBox m_topRightList;
  CComboBox m_bottomRightList;
  CSliderCtrl m_intervalSlider;

  static const MessageMapEntry<SettingsDlg> kMessageMap[];
};
