#include "ui/settings/SettingsDialog.h"

#include <commctrl.h>

#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "framework/Accessibility.h"
#include "framework/Controls.h"
#include "res/resource.h"
#include "ui/MessageBoxes.h"

namespace {

void ShowNumber(HWND dialog, int id, int32_t value) { ::SetDlgItemTextW(dialog, id, FormatInt32(value).c_str()); }

}  // namespace

std::optional<LRESULT> SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ShowSettings();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OnOk();
        return 0;
      }
      for (const SettingRow& row : SettingRows()) {
        if (row.control.id == LOWORD(wParam) && TakeFrom(row, HIWORD(wParam))) return 0;
      }
      return std::nullopt;
    case WM_HSCROLL:
      for (const SettingRow& row : SettingRows()) {
        if (row.control.kind == ControlKind::IntervalSlider &&
            ::GetDlgItem(hwnd(), row.control.id) == reinterpret_cast<HWND>(lParam)) {
          TakeFrom(row, 0);
        }
      }
      return std::nullopt;
    case WM_DESTROY:
      for (const SettingRow& row : SettingRows()) {
        if (row.control.kind == ControlKind::IntervalSlider) ClearAnnouncements(::GetDlgItem(hwnd(), row.control.id));
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void SettingsDialog::ShowSettings() {
  m_settings = m_store.Read();
  // Filling the fields makes them notify changes nobody made.
  m_showing = true;
  for (const SettingRow& row : SettingRows()) ShowOn(row);
  m_showing = false;
}

void SettingsDialog::ShowOn(const SettingRow& row) {
  HWND control = ::GetDlgItem(hwnd(), row.control.id);
  switch (row.control.kind) {
    case ControlKind::None:
      break;
    case ControlKind::CheckBox:
      SetChecked(hwnd(), row.control.id, m_settings.*row.flag);
      break;
    case ControlKind::CornerList: {
      // The item's index is the action code; a code the list cannot show (3,
      // say) leaves it without a selection and is kept.
      for (const TextId item : {TextId::CornerNone, TextId::CornerVolume, TextId::CornerBrightness}) {
        ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_texts(item).c_str()));
      }
      ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(m_settings.*row.number), 0);
      // Typed text is never taken: the field shows only the choice.
      COMBOBOXINFO info{};
      info.cbSize = sizeof(info);
      if (::GetComboBoxInfo(control, &info) && info.hwndItem != nullptr) {
        ::SendMessageW(info.hwndItem, EM_SETREADONLY, TRUE, 0);
      }
      break;
    }
    case ControlKind::IntervalSlider: {
      const int32_t interval = m_settings.*row.number;
      ::SendMessageW(control, TBM_SETRANGEMAX, FALSE, kIntervalSliderMax);
      ::SendMessageW(control, TBM_SETRANGEMIN, FALSE, kIntervalSliderMin);
      // An arrow key moves one stored step: a line of 1 would be snapped back.
      ::SendMessageW(control, TBM_SETLINESIZE, 0, kIntervalSliderStep);
      // Outside the range the thumb stops at the nearer end, and the number shows the value.
      ::SendMessageW(control, TBM_SETPOS, TRUE, interval);
      ShowNumber(hwnd(), row.control.partner, interval);
      AnnounceName(control, m_texts(TextId::IntervalName).c_str());
      break;
    }
    case ControlKind::NumberBox: {
      HWND spin = ::GetDlgItem(hwnd(), row.control.partner);
      ::SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(row.control.minimum), row.control.maximum);
      UDACCEL step{0, static_cast<UINT>(row.control.step)};
      ::SendMessageW(spin, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
      ::SendMessageW(spin, UDM_SETPOS32, 0, m_settings.*row.number);
      ShowNumber(hwnd(), row.control.id, m_settings.*row.number);
      break;
    }
    case ControlKind::TextBox:
      ::SetDlgItemTextW(hwnd(), row.control.id, (m_settings.*row.text).c_str());
      break;
  }
}

bool SettingsDialog::TakeFrom(const SettingRow& row, UINT notification) {
  HWND control = ::GetDlgItem(hwnd(), row.control.id);
  switch (row.control.kind) {
    case ControlKind::None:
      return false;
    case ControlKind::CheckBox:
      if (notification != BN_CLICKED) return false;
      m_settings.*row.flag = IsChecked(hwnd(), row.control.id);
      break;
    case ControlKind::CornerList: {
      if (notification != CBN_SELCHANGE) return false;
      // Text typed into a list's field selects nothing and is not taken.
      const auto selection = static_cast<int32_t>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
      if (selection == CB_ERR) return true;
      m_settings.*row.number = selection;
      break;
    }
    case ControlKind::IntervalSlider: {
      // Every scroll notification snaps the slider down to a multiple of 5.
      const int interval = SnapInterval(static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0)));
      m_settings.*row.number = interval;
      ShowNumber(hwnd(), row.control.partner, interval);
      ::SendMessageW(control, TBM_SETPOS, TRUE, interval);
      break;
    }
    case ControlKind::NumberBox:
      // As typed, within its range and steps; the field keeps the typing.
      if (notification != EN_CHANGE || m_showing) return notification == EN_CHANGE;
      m_settings.*row.number =
          DialogNumber(ParseInt32(TextOf(control)), row.control.minimum, row.control.maximum, row.control.step);
      break;
    case ControlKind::TextBox:
      if (notification != EN_CHANGE || m_showing) return notification == EN_CHANGE;
      m_settings.*row.text = TextOf(control);  // on one line when written
      break;
  }
  m_changed = true;
  return true;
}

void SettingsDialog::OnOk() {
  // Each box shows while the dialog is still there, its owner; the dialog
  // closes after it, whatever it said.
  switch (DecideOk(m_changed, m_settings)) {
    case OkOutcome::KeepEverything:
      break;
    case OkOutcome::RefuseNoCornerAction:
      ShowMessage(m_texts, hwnd(), m_texts(TextId::NoCornerAction));
      break;
    case OkOutcome::Save: {
      const bool saved = m_store.Write(m_settings);
      // The running program takes what the file now holds, also when saving failed.
      m_owner.SettingsSaved();
      if (!saved) ShowMessage(m_texts, hwnd(), m_texts(TextId::SaveFailed));
      break;
    }
  }
  Close();
}
