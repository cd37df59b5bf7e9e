#include "ui/settings/SettingsDlg.h"

#include <string>

#include "config/ConfigFile.h"
#include "config/LoadSettings.h"
#include "config/StartupShortcut.h"
#include "config/StoreSettings.h"
#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

const MessageMapEntry<SettingsDlg> SettingsDlg::kMessageMap[] = {
    OnCommand(BN_CLICKED, IDC_AUTORUN_CHECK, &SettingsDlg::OnAutoRunClicked),
    OnCommand(BN_CLICKED, IDC_FULLSCREEN_CHECK, &SettingsDlg::OnFullScreenClicked),
    OnCommand(CBN_SELCHANGE, IDC_LT_COMBO, &SettingsDlg::OnTopLeftChanged),
    OnCommand(CBN_SELCHANGE, IDC_LB_COMBO, &SettingsDlg::OnBottomLeftChanged),
    OnCommand(CBN_SELCHANGE, IDC_RT_COMBO, &SettingsDlg::OnTopRightChanged),
    OnCommand(CBN_SELCHANGE, IDC_RB_COMBO, &SettingsDlg::OnBottomRightChanged),
    OnMessage(WM_HSCROLL, &SettingsDlg::OnHScroll),
    OnCommand(BN_CLICKED, IDC_SOUND_CHECK, &SettingsDlg::OnSoundClicked),
};

SettingsDlg::SettingsDlg(const AppPaths& paths, SettingsSink& sink)
    : CDialog(IDD_SETTINGS), m_paths(paths), m_sink(sink) {}

void SettingsDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_AUTORUN_CHECK, m_autoRunCheck);
  DDX_Control(dx, IDC_SOUND_CHECK, m_soundCheck);
  DDX_Control(dx, IDC_FULLSCREEN_CHECK, m_fullScreenCheck);
  DDX_Control(dx, IDC_LT_COMBO, m_topLeftList);
  DDX_Control(dx, IDC_LB_COMBO, m_bottomLeftList);
  DDX_Control(dx, IDC_RT_COMBO, m_topRightList);
  DDX_Control(dx, IDC_RB_COMBO, m_bottomRightList);
  DDX_Control(dx, IDC_INTERVAL_SLIDER, m_intervalSlider);
}

bool SettingsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result);
}

BOOL SettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_intervalSlider.SetRangeMax(kIntervalSliderMax, FALSE);
  m_intervalSlider.SetRangeMin(kIntervalSliderMin, FALSE);

  m_settings = LoadSettings(m_paths.config, m_paths.shortcut);
  m_autoRunCheck.SetCheck(m_settings.startAtLogon ? 1 : 0);
  m_soundCheck.SetCheck(m_settings.stepSound ? 1 : 0);
  m_fullScreenCheck.SetCheck(m_settings.pauseInFullScreen ? 1 : 0);
  // A code the list cannot show (3, say) leaves it without a selection and is kept.
  m_topLeftList.SetCurSel(m_settings.topLeft);
  m_bottomLeftList.SetCurSel(m_settings.bottomLeft);
  m_topRightList.SetCurSel(m_settings.topRight);
  m_bottomRightList.SetCurSel(m_settings.bottomRight);
  // The thumb stops at the nearer end for an interval outside the range; the text shows the number.
  m_intervalSlider.SetPos(m_settings.volumeInterval);
  ShowInterval(m_settings.volumeInterval);
  return TRUE;
}

void SettingsDlg::OnOK() {
  // The dialog closes whatever follows.
  CDialog::OnOK();
  switch (DecideOk(m_changed, m_settings)) {
    case OkOutcome::KeepEverything:
      return;
    case OkOutcome::RefuseNoCornerAction:
      AfxMessageBox(L"不允许所有边缘都没有操作鸭", MB_OK);
      return;
    case OkOutcome::Save:
      break;
  }

  UpdateStartupShortcut(m_settings.startAtLogon, m_paths.shortcut, m_paths.exe);
  ConfigFile file(m_paths.config);
  StoreSettings(file, m_settings);
  if (!file.Save()) AfxMessageBox(L"保存失败", MB_OK);

  // The running program takes what the file now holds, also when saving failed.
  m_sink.OnSettingsSaved(LoadSettings(m_paths.config, m_paths.shortcut));
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

void SettingsDlg::OnAutoRunClicked() { TakeCheck(m_autoRunCheck, m_settings.startAtLogon); }
void SettingsDlg::OnSoundClicked() { TakeCheck(m_soundCheck, m_settings.stepSound); }
void SettingsDlg::OnFullScreenClicked() { TakeCheck(m_fullScreenCheck, m_settings.pauseInFullScreen); }
void SettingsDlg::OnTopLeftChanged() { TakeSelection(m_topLeftList, m_settings.topLeft); }
void SettingsDlg::OnBottomLeftChanged() { TakeSelection(m_bottomLeftList, m_settings.bottomLeft); }
void SettingsDlg::OnTopRightChanged() { TakeSelection(m_topRightList, m_settings.topRight); }
void SettingsDlg::OnBottomRightChanged() { TakeSelection(m_bottomRightList, m_settings.bottomRight); }

LRESULT SettingsDlg::OnHScroll(WPARAM, LPARAM) {
  // Every scroll notification snaps the slider down to a multiple of 5.
  const int interval = SnapInterval(m_intervalSlider.GetPos());
  m_settings.volumeInterval = interval;
  ShowInterval(interval);
  m_intervalSlider.SetPos(interval);
  m_changed = true;
  return Default();
}

void SettingsDlg::ShowInterval(int32_t interval) const {
  ::SetDlgItemTextW(m_hWnd, IDC_INTERVAL_TEXT, FormatInt32(interval).c_str());
}
