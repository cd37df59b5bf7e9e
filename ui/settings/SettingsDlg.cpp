#include "ui/settings/SettingsDlg.h"

#include <string>

#include "app/BrimletApp.h"
#include "app/TrayThread.h"
#include "config/ConfigFile.h"
#include "config/LoadSettings.h"
#include "config/StoreSettings.h"
#include "framework/MessageBox.h"
#include "hook/CornerActions.h"
#include "res/resource.h"
#include "ui/settings/SettingsRules.h"
#include "ui/settings/StartupShortcut.h"

Settings g_dialogSettings;

const MessageMapEntry<SettingsDlg> SettingsDlg::kMessageMap[8] = {
    OnCommand(BN_CLICKED, IDC_AUTORUN_CHECK, &SettingsDlg::OnAutoRunClicked),
    OnCommand(BN_CLICKED, IDC_FULLSCREEN_CHECK, &SettingsDlg::OnFullScreenClicked),
    OnCommand(CBN_SELCHANGE, IDC_LT_COMBO, &SettingsDlg::OnLTSelChange),
    OnCommand(CBN_SELCHANGE, IDC_LB_COMBO, &SettingsDlg::OnLBSelChange),
    OnCommand(CBN_SELCHANGE, IDC_RT_COMBO, &SettingsDlg::OnRTSelChange),
    OnCommand(CBN_SELCHANGE, IDC_RB_COMBO, &SettingsDlg::OnRBSelChange),
    OnMessage(WM_HSCROLL, &SettingsDlg::OnHScroll),
    OnCommand(BN_CLICKED, IDC_SOUND_CHECK, &SettingsDlg::OnSoundClicked),
};

SettingsDlg::SettingsDlg() : CDialog(IDD_SETTINGS) {}

void SettingsDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_AUTORUN_CHECK, m_autoRunCheck);
  DDX_Control(dx, IDC_SOUND_CHECK, m_soundCheck);
  DDX_Control(dx, IDC_FULLSCREEN_CHECK, m_fullScreenCheck);
  DDX_Control(dx, IDC_LT_COMBO, m_ltCombo);
  DDX_Control(dx, IDC_LB_COMBO, m_lbCombo);
  DDX_Control(dx, IDC_RT_COMBO, m_rtCombo);
  DDX_Control(dx, IDC_RB_COMBO, m_rbCombo);
  DDX_Control(dx, IDC_INTERVAL_SLIDER, m_intervalSlider);
}

bool SettingsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result);
}

BOOL SettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_intervalSlider.SetRangeMax(kIntervalSliderMax, FALSE);
  m_intervalSlider.SetRangeMin(kIntervalSliderMin, FALSE);

  g_dialogSettings = LoadSettings(theApp.m_configPath);
  m_autoRunCheck.SetCheck(g_dialogSettings.AutoRun ? 1 : 0);
  m_soundCheck.SetCheck(g_dialogSettings.Sound ? 1 : 0);
  m_fullScreenCheck.SetCheck(g_dialogSettings.DisableFunctionWhenFullScreen ? 1 : 0);
  // A code the list cannot show (3, say) leaves it without a selection and is kept.
  m_ltCombo.SetCurSel(g_dialogSettings.LTControll);
  m_lbCombo.SetCurSel(g_dialogSettings.LBControll);
  m_rtCombo.SetCurSel(g_dialogSettings.RTControll);
  m_rbCombo.SetCurSel(g_dialogSettings.RBControll);
  // The thumb stops at the nearer end for an interval outside the range; the text shows the number.
  m_intervalSlider.SetPos(g_dialogSettings.Interval);
  ShowInterval(g_dialogSettings.Interval);
  return TRUE;
}

void SettingsDlg::OnOK() {
  // The dialog closes whatever follows.
  CDialog::OnOK();
  switch (DecideOk(m_changed, g_dialogSettings)) {
    case OkOutcome::KeepEverything:
      return;
    case OkOutcome::RefuseNoCornerAction:
      AfxMessageBox(L"不允许所有边缘都没有操作鸭", MB_OK);
      return;
    case OkOutcome::Save:
      break;
  }

  UpdateStartupShortcut(g_dialogSettings.AutoRun);
  ConfigFile file(theApp.m_configPath);
  StoreSettings(file, g_dialogSettings);
  if (!file.Save()) AfxMessageBox(L"保存失败", MB_OK);

  // The running program takes what the file now holds, also when saving failed.
  const Settings saved = LoadSettings(theApp.m_configPath);
  g_volumeInterval = saved.Interval;
  g_volumeSound = saved.Sound;
  g_settings = saved;
}

void SettingsDlg::TakeCheck(const CButton& check, bool& field) {
  field = check.GetCheck() != 0;
  m_changed = true;
}

void SettingsDlg::TakeSelection(const CComboBox& list, int32_t& field) {
  // Text typed into a list's field selects nothing and is not taken.
  const int selection = list.GetCurSel();
  if (selection == CB_ERR) return;
  field = selection;
  m_changed = true;
}

void SettingsDlg::OnAutoRunClicked() { TakeCheck(m_autoRunCheck, g_dialogSettings.AutoRun); }
void SettingsDlg::OnSoundClicked() { TakeCheck(m_soundCheck, g_dialogSettings.Sound); }
void SettingsDlg::OnFullScreenClicked() {
  TakeCheck(m_fullScreenCheck, g_dialogSettings.DisableFunctionWhenFullScreen);
}
void SettingsDlg::OnLTSelChange() { TakeSelection(m_ltCombo, g_dialogSettings.LTControll); }
void SettingsDlg::OnLBSelChange() { TakeSelection(m_lbCombo, g_dialogSettings.LBControll); }
void SettingsDlg::OnRTSelChange() { TakeSelection(m_rtCombo, g_dialogSettings.RTControll); }
void SettingsDlg::OnRBSelChange() { TakeSelection(m_rbCombo, g_dialogSettings.RBControll); }

LRESULT SettingsDlg::OnHScroll(WPARAM, LPARAM) {
  // Every scroll notification snaps the slider down to a multiple of 5.
  const int interval = SnapInterval(m_intervalSlider.GetPos());
  g_dialogSettings.Interval = interval;
  ShowInterval(interval);
  m_intervalSlider.SetPos(interval);
  m_changed = true;
  return Default();
}

void SettingsDlg::ShowInterval(int32_t interval) const {
  ::SetDlgItemTextW(m_hWnd, IDC_INTERVAL_TEXT, std::to_wstring(interval).c_str());
}
