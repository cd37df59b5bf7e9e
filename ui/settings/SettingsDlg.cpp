#include "ui/settings/SettingsDlg.h"

#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

// Each control that shows a setting, with the setting it shows.
struct CheckBox {
  int id;
  bool Settings::*field;
};
constexpr CheckBox kCheckBoxes[] = {
    {IDC_AUTORUN_CHECK, &Settings::startAtLogon},
    {IDC_SOUND_CHECK, &Settings::stepSound},
    {IDC_FULLSCREEN_CHECK, &Settings::pauseInFullScreen},
    {IDC_ALLSCREENS_CHECK, &Settings::allScreens},
};

// The corner lists: the item index is the action code.
struct CornerList {
  int id;
  int32_t Settings::*field;
};
constexpr CornerList kCornerLists[] = {
    {IDC_LT_COMBO, &Settings::topLeft},
    {IDC_LB_COMBO, &Settings::bottomLeft},
    {IDC_RT_COMBO, &Settings::topRight},
    {IDC_RB_COMBO, &Settings::bottomRight},
};

}  // namespace

SettingsDlg::SettingsDlg(const SettingsStore& store) : CDialog(IDD_SETTINGS), m_store(store) {}

void SettingsDlg::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_INTERVAL_SLIDER, m_intervalSlider); }

BOOL SettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_intervalSlider.SetRangeMax(kIntervalSliderMax, FALSE);
  m_intervalSlider.SetRangeMin(kIntervalSliderMin, FALSE);

  m_settings = m_store.Load();
  for (const CheckBox& box : kCheckBoxes) {
    ::CheckDlgButton(m_hWnd, box.id, m_settings.*box.field ? BST_CHECKED : BST_UNCHECKED);
  }
  // A code the list cannot show (3, say) leaves it without a selection and is kept.
  for (const CornerList& list : kCornerLists) {
    ::SendDlgItemMessageW(m_hWnd, list.id, CB_SETCURSEL, static_cast<WPARAM>(m_settings.*list.field), 0);
  }
  // The thumb stops at the nearer end for an interval outside the range; the text shows the number.
  m_intervalSlider.SetPos(m_settings.volumeInterval);
  ShowInterval(m_settings.volumeInterval);
  return TRUE;
}

bool SettingsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_HSCROLL) {
    OnIntervalScrolled();
    result = Default();
    return true;
  }
  if (message != WM_COMMAND) return false;
  const int id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  for (const CheckBox& box : kCheckBoxes) {
    if (box.id != id || code != BN_CLICKED) continue;
    m_settings.*box.field = ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
    m_changed = true;
    return true;
  }
  for (const CornerList& list : kCornerLists) {
    if (list.id != id || code != CBN_SELCHANGE) continue;
    // Text typed into a list's field selects nothing and is not taken.
    const auto selection = static_cast<int32_t>(::SendDlgItemMessageW(m_hWnd, id, CB_GETCURSEL, 0, 0));
    if (selection != CB_ERR) {
      m_settings.*list.field = selection;
      m_changed = true;
    }
    return true;
  }
  return false;
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
  if (!m_store.Save(m_settings)) AfxMessageBox(L"保存失败", MB_OK);
  m_committed = true;
}

void SettingsDlg::OnIntervalScrolled() {
  // Every scroll notification snaps the slider down to a multiple of 5.
  const int interval = SnapInterval(m_intervalSlider.GetPos());
  m_settings.volumeInterval = interval;
  ShowInterval(interval);
  m_intervalSlider.SetPos(interval);
  m_changed = true;
}

void SettingsDlg::ShowInterval(int32_t interval) const {
  ::SetDlgItemTextW(m_hWnd, IDC_INTERVAL_TEXT, FormatInt32(interval).c_str());
}
