#include "ui/settings/SettingsDialog.h"

#include <commctrl.h>

#include "core/KeyNames.h"
#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "framework/Accessibility.h"
#include "framework/Controls.h"
#include "res/resource.h"
#include "ui/MessageBoxes.h"

namespace {

void AddItem(HWND list, const std::wstring& text) {
  ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A key and its modifiers as the hot-key control holds them; it has no Win.
WORD ControlHotKey(const HotKey& key) {
  // The arrows and the keys above them are the extended ones, not the keypad's.
  const bool extended = (key.key >= VK_PRIOR && key.key <= VK_DOWN) || key.key == VK_INSERT || key.key == VK_DELETE;
  BYTE flags = extended ? HOTKEYF_EXT : 0;
  if ((key.modifiers & kCtrl) != 0) flags |= HOTKEYF_CONTROL;
  if ((key.modifiers & kAlt) != 0) flags |= HOTKEYF_ALT;
  if ((key.modifiers & kShift) != 0) flags |= HOTKEYF_SHIFT;
  return MAKEWORD(static_cast<BYTE>(key.key), flags);
}

HotKey KeyOfControl(WORD value) {
  const BYTE flags = HIBYTE(value);
  HotKey key{0, LOBYTE(value)};
  if ((flags & HOTKEYF_CONTROL) != 0) key.modifiers |= kCtrl;
  if ((flags & HOTKEYF_ALT) != 0) key.modifiers |= kAlt;
  if ((flags & HOTKEYF_SHIFT) != 0) key.modifiers |= kShift;
  return key;
}

}  // namespace

SettingsDialog::SettingsDialog(const SettingsStore& store, const Texts& texts, Owner& owner)
    : Dialog(IDD_SETTINGS, texts.ForDialogs(),
             {IDC_SETTINGS_TABS,
              {IDD_PAGE_GENERAL, IDD_PAGE_ZONES, IDD_PAGE_VOLUME_BRIGHTNESS, IDD_PAGE_PROGRAMS, IDD_PAGE_KEYS}}),
      m_store(store),
      m_texts(texts),
      m_owner(owner) {}

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
        if (row.control.kind == ControlKind::IntervalSlider && Control(row.control.id) == reinterpret_cast<HWND>(lParam)) {
          TakeFrom(row, 0);
        }
      }
      return std::nullopt;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.code == UDN_DELTAPOS && StepNumber(*reinterpret_cast<const NMUPDOWN*>(lParam))) return TRUE;
      return std::nullopt;
    }
    case WM_DESTROY:
      for (const SettingRow& row : SettingRows()) {
        if (row.control.kind == ControlKind::IntervalSlider) ClearAnnouncements(Control(row.control.id));
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void SettingsDialog::ShowSettings() {
  // A file that cannot be read shows the defaults; OK will not save over it.
  m_settings = m_store.Read().value_or(m_store.Defaults());
  for (const SettingRow& row : SettingRows()) ShowOn(row);
}

void SettingsDialog::ShowNumber(const SettingRow& row, int32_t value) {
  HWND control = Control(row.control.kind == ControlKind::IntervalSlider ? row.control.partner : row.control.id);
  // Filling a field makes it notify a change nobody made.
  m_showing = true;
  ::SetWindowTextW(control, FormatInt32(value).c_str());
  m_showing = false;
}

void SettingsDialog::ShowOn(const SettingRow& row) {
  HWND control = Control(row.control.id);
  switch (row.control.kind) {
    case ControlKind::None:
      break;
    case ControlKind::CheckBox:
      SetChecked(control, m_settings.*row.flag);
      break;
    case ControlKind::ActionList: {
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
      ShowNumber(row, interval);
      AnnounceName(control, m_texts(TextId::IntervalName).c_str());
      break;
    }
    case ControlKind::NumberBox:
      ::SendMessageW(Control(row.control.partner), UDM_SETRANGE32, static_cast<WPARAM>(row.range.minimum),
                     row.range.maximum);
      ShowNumber(row, m_settings.*row.number);
      break;
    case ControlKind::TextBox:
      m_showing = true;
      ::SetWindowTextW(control, (m_settings.*row.text).c_str());
      m_showing = false;
      break;
    case ControlKind::HeldKeyList: {
      // A combination the list does not offer (Shift+Win, say) leaves it
      // without a selection and is kept as written.
      const uint8_t held = ParseModifiers(m_settings.*row.text);
      const std::span<const uint8_t> choices = HeldKeyChoices();
      for (const uint8_t choice : choices) AddItem(control, choice == 0 ? m_texts(TextId::CornerNone) : FormatModifiers(choice));
      for (size_t item = 0; item < choices.size(); ++item) {
        if (choices[item] == held) ::SendMessageW(control, CB_SETCURSEL, item, 0);
      }
      break;
    }
    case ControlKind::VolumeOrBrightnessList:
      AddItem(control, m_texts(TextId::CornerVolume));
      AddItem(control, m_texts(TextId::CornerBrightness));
      ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(m_settings.*row.number - 1), 0);
      break;
    case ControlKind::HotKeyField:
      // A key needs a modifier other than Shift here, or it would stop being typed.
      ::SendMessageW(control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
      ::SendMessageW(control, HKM_SETHOTKEY, ControlHotKey(ParseHotKey(m_settings.*row.text)), 0);
      break;
  }
}

bool SettingsDialog::TakeFrom(const SettingRow& row, UINT notification) {
  HWND control = Control(row.control.id);
  switch (row.control.kind) {
    case ControlKind::None:
      return false;
    case ControlKind::CheckBox:
      if (notification != BN_CLICKED) return false;
      m_settings.*row.flag = IsChecked(control);
      break;
    case ControlKind::ActionList: {
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
      ShowNumber(row, interval);
      ::SendMessageW(control, TBM_SETPOS, TRUE, interval);
      break;
    }
    case ControlKind::NumberBox:
      // What is typed counts by the rule the file is read by; leaving the
      // field shows what will be saved.
      if (notification == EN_KILLFOCUS) {
        ShowNumber(row, m_settings.*row.number);
        return true;
      }
      if (notification != EN_CHANGE || m_showing) return notification == EN_CHANGE;
      m_settings.*row.number = ReadNumber(row, TextOf(control));
      break;
    case ControlKind::TextBox:
      if (notification != EN_CHANGE || m_showing) return notification == EN_CHANGE;
      m_settings.*row.text = TextOf(control);  // on one line when written
      break;
    case ControlKind::HeldKeyList:
    case ControlKind::VolumeOrBrightnessList: {
      if (notification != CBN_SELCHANGE) return false;
      const auto selection = static_cast<int32_t>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
      if (selection == CB_ERR) return true;
      if (row.control.kind == ControlKind::HeldKeyList) {
        m_settings.*row.text = FormatModifiers(HeldKeyChoices()[static_cast<size_t>(selection)]);
      } else {
        m_settings.*row.number = selection + 1;
      }
      break;
    }
    case ControlKind::HotKeyField: {
      if (notification != EN_CHANGE) return false;
      const HotKey key = KeyOfControl(static_cast<WORD>(::SendMessageW(control, HKM_GETHOTKEY, 0, 0)));
      const std::wstring name = FormatHotKey(key);
      // A key config.ini has no name for is not taken: the field shows none.
      if (name.empty() && key.key != 0) ::SendMessageW(control, HKM_SETHOTKEY, 0, 0);
      m_settings.*row.text = name;
      break;
    }
  }
  m_changed = true;
  return true;
}

// An arrow of a number's up-down control: one step from what its field shows.
bool SettingsDialog::StepNumber(const NMUPDOWN& step) {
  for (const SettingRow& row : SettingRows()) {
    if (row.control.kind != ControlKind::NumberBox || row.control.partner != static_cast<int>(step.hdr.idFrom)) {
      continue;
    }
    const int32_t shown = ReadNumber(row, TextOf(Control(row.control.id)));
    const int32_t next = NumberWithin(row, int64_t{shown} + (step.iDelta > 0 ? row.range.step : -row.range.step));
    if (next != m_settings.*row.number) m_changed = true;
    m_settings.*row.number = next;
    ShowNumber(row, next);
    return true;  // the control keeps its own position out of it
  }
  return false;
}

void SettingsDialog::OnOk() {
  // Each box shows while the dialog is still there, its owner.
  switch (DecideOk(m_changed, m_settings)) {
    case OkOutcome::KeepEverything:
      break;
    case OkOutcome::RefuseNoCornerAction:
      // Nothing is written, and nothing typed on any page is lost.
      ShowDialogMessage(hwnd(), m_texts(TextId::NoCornerAction));
      return;
    case OkOutcome::Save: {
      const bool saved = m_store.Write(m_settings);
      // The running program takes what the file now holds, also when saving failed.
      const std::wstring taken = m_owner.SettingsSaved();
      if (!saved) ShowDialogMessage(hwnd(), m_texts(TextId::SaveFailed));
      if (!taken.empty()) ShowDialogMessage(hwnd(), m_texts.Filled(TextId::KeysTaken, taken));
      break;
    }
  }
  Close();
}
