#include "ui/settings/SettingsDlg.h"

#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "framework/Accessibility.h"
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

// The Chinese template's controls in reading order, which is also the tab
// order and the order in which a screen reader finds each control's name (the
// nearest static text before it): a control by its id, or a label (or a
// group's frame) by its text.
struct InReadingOrder {
  int id;
  const wchar_t* label;
};
constexpr InReadingOrder kReadingOrder[] = {
    {0, L"通用设置"},
    {IDC_AUTORUN_CHECK, nullptr},
    {IDC_SOUND_CHECK, nullptr},
    {IDC_FULLSCREEN_CHECK, nullptr},
    {IDC_ALLSCREENS_CHECK, nullptr},
    {0, L"边缘检测"},
    {0, L"左上"},
    {IDC_LT_COMBO, nullptr},
    {0, L"左下"},
    {IDC_LB_COMBO, nullptr},
    {0, L"右上"},
    {IDC_RT_COMBO, nullptr},
    {0, L"右下"},
    {IDC_RB_COMBO, nullptr},
    {0, L"响应间隔"},
    {IDC_INTERVAL_SLIDER, nullptr},
    {IDC_INTERVAL_TEXT, nullptr},
    {IDOK, nullptr},
    {IDCANCEL, nullptr},
};

HWND ChildWithText(HWND dialog, const wchar_t* text) {
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t found[32] = {};
    ::GetWindowTextW(child, found, 32);
    if (::lstrcmpW(found, text) == 0) return child;
  }
  return nullptr;
}

// Puts the controls in reading order without moving them on screen.
void PutInReadingOrder(HWND dialog) {
  HWND previous = HWND_TOP;
  for (const InReadingOrder& entry : kReadingOrder) {
    HWND control = entry.label != nullptr ? ChildWithText(dialog, entry.label) : ::GetDlgItem(dialog, entry.id);
    if (control == nullptr) continue;
    ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control;
  }
}

}  // namespace

SettingsDlg::SettingsDlg(const SettingsStore& store, const Texts& texts)
    : CDialog(texts.Dialog(IDD_SETTINGS)), m_store(store), m_texts(texts) {}

void SettingsDlg::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_INTERVAL_SLIDER, m_intervalSlider); }

BOOL SettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_intervalSlider.SetRangeMax(kIntervalSliderMax, FALSE);
  m_intervalSlider.SetRangeMin(kIntervalSliderMin, FALSE);
  // An arrow key moves one stored step: a line of 1 would be snapped back.
  m_intervalSlider.SendMessage(TBM_SETLINESIZE, 0, kIntervalSliderStep);
  // The English template lists its controls in reading order already.
  if (m_texts.chinese()) PutInReadingOrder(m_hWnd);
  AnnounceName(m_intervalSlider.m_hWnd, m_texts(TextId::IntervalName).c_str());

  m_settings = m_store.Read();
  for (const CheckBox& box : kCheckBoxes) {
    ::CheckDlgButton(m_hWnd, box.id, m_settings.*box.field ? BST_CHECKED : BST_UNCHECKED);
  }
  // A code the list cannot show (3, say) leaves it without a selection and is kept.
  for (const CornerList& list : kCornerLists) {
    ::SendDlgItemMessageW(m_hWnd, list.id, CB_SETCURSEL, static_cast<WPARAM>(m_settings.*list.field), 0);
    // Typed text is never taken: the field shows only the choice.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (::GetComboBoxInfo(::GetDlgItem(m_hWnd, list.id), &info) && info.hwndItem != nullptr) {
      ::SendMessageW(info.hwndItem, EM_SETREADONLY, TRUE, 0);
    }
  }
  // The thumb stops at the nearer end for an interval outside the range; the text shows the number.
  m_intervalSlider.SetPos(m_settings.volumeInterval);
  ShowInterval(m_settings.volumeInterval);
  return TRUE;
}

bool SettingsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_DESTROY) {
    ClearAnnouncements(m_intervalSlider.m_hWnd);
    return false;
  }
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
      AfxMessageBox(m_texts(TextId::NoCornerAction).c_str(), MB_OK);
      return;
    case OkOutcome::Save:
      break;
  }
  if (!m_store.Write(m_settings)) AfxMessageBox(m_texts(TextId::SaveFailed).c_str(), MB_OK);
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
