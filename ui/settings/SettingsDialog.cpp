#include "ui/settings/SettingsDialog.h"

#include <commctrl.h>

#include <algorithm>

#include "core/IniText.h"
#include "core/KeyNames.h"
#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "core/WheelActions.h"
#include "framework/Accessibility.h"
#include "framework/Controls.h"
#include "framework/FileNames.h"
#include "res/resource.h"
#include "ui/MessageBoxes.h"

namespace {


void AddItem(HWND list, const std::wstring& text) {
  ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A list showing a value it has no item for: one more item, chosen, names it;
// the value is kept until another item is chosen.
void ShowExtraItem(HWND list, const std::wstring& text) {
  AddItem(list, text);
  ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(::SendMessageW(list, CB_GETCOUNT, 0, 0) - 1), 0);
}

}  // namespace

SettingsDialog::SettingsDialog(const SettingsStore& store, const Texts& texts, Owner& owner, const Settings& read,
                               std::vector<OutputDevice> outputs)
    : Dialog(IDD_SETTINGS, texts.ForDialogs(),
             {IDC_SETTINGS_TABS,
              {IDD_PAGE_GENERAL, IDD_PAGE_ZONES, IDD_PAGE_VOLUME_BRIGHTNESS, IDD_PAGE_PROGRAMS, IDD_PAGE_KEYS}}),
      m_store(store),
      m_texts(texts),
      m_owner(owner),
      m_settings(read),
      m_outputs(std::move(outputs)) {}

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
      if (header.code == LVN_ITEMCHANGED && !m_showing) {
        for (const SettingRow& row : SettingRows()) {
          if (row.control.kind == ControlKind::OutputList && row.control.id == static_cast<int>(header.idFrom)) {
            TakeOutputs(row);
          }
        }
      }
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
  for (const SettingRow& row : SettingRows()) ShowOn(row);
  ShowSameHeldKeys();
}

// The program's volume comes first where both held keys are the same: the
// Keys page says so while they are.
void SettingsDialog::ShowSameHeldKeys() {
  const bool same = m_settings.appKeyWheelModifiers != 0 && m_settings.appKeyWheelModifiers == m_settings.keyWheelModifiers;
  ::ShowWindow(Control(IDC_SAME_HELD_KEYS), same ? SW_SHOWNA : SW_HIDE);
}

void SettingsDialog::ShowRead(const Settings& read) {
  if (m_changed || read == m_settings) return;
  m_settings = read;
  if (!IsOpen()) return;
  for (const SettingRow& row : SettingRows()) {
    // Lists are filled anew.
    if (row.control.kind == ControlKind::ActionList || row.control.kind == ControlKind::HeldKeyList ||
        row.control.kind == ControlKind::HeldActionList) {
      ::SendMessageW(Control(row.control.id), CB_RESETCONTENT, 0, 0);
    }
    if (row.control.kind == ControlKind::OutputList) ::SendMessageW(Control(row.control.id), LVM_DELETEALLITEMS, 0, 0);
    ShowOn(row);
  }
  ShowSameHeldKeys();
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
    case ControlKind::ActionList:
    case ControlKind::HeldActionList:
      ShowActions(control, row);
      break;
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
      // A combination the list does not offer (Shift+Win, say), and a text
      // that names none, show as one more item and are kept as written.
      const std::wstring& text = m_settings.*row.text;
      const uint8_t held = m_settings.*row.modifiers;
      const bool named = held != 0 || ini::TrimValue(text).empty();
      const std::span<const uint8_t> choices = HeldKeyChoices();
      for (const uint8_t choice : choices) AddItem(control, choice == 0 ? m_texts(TextId::CornerNone) : FormatModifiers(choice));
      const auto offered = std::find(choices.begin(), choices.end(), held);
      if (named && offered != choices.end()) {
        ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(offered - choices.begin()), 0);
      } else {
        ShowExtraItem(control, named ? FormatModifiers(held) : m_texts.Filled(TextId::UnknownValue, text));
      }
      break;
    }
    case ControlKind::HotKeyField:
      m_showing = true;
      KeyFieldOf(row.control.id).Show(m_settings.*row.text);
      m_showing = false;
      break;
    case ControlKind::OutputList:
      ShowOutputs(control, row);
      break;
  }
}

// The names chosen first, in their order, ticked (those absent now say so),
// then the other outputs there are.
void SettingsDialog::ShowOutputs(HWND list, const SettingRow& row) {
  m_showing = true;
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  if (::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) == 0) {
    RECT area{};
    ::GetClientRect(list, &area);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = area.right - ::GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(list, 0, &column);
  }
  m_outputItems.clear();
  std::vector<bool> listed(m_outputs.size());
  const auto add = [&](const std::wstring& name, const std::wstring& shown, bool ticked) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(m_outputItems.size());
    item.pszText = const_cast<wchar_t*>(shown.c_str());
    const int at = ListView_InsertItem(list, &item);
    ListView_SetCheckState(list, at, ticked);
    m_outputItems.push_back(name);
  };
  for (const std::wstring& name : OutputNames(m_settings.*row.text)) {
    const auto present = std::find_if(m_outputs.begin(), m_outputs.end(), [&](const OutputDevice& output) {
      return SameFileName(output.name, name);  // as the key matches them
    });
    if (present != m_outputs.end()) listed[static_cast<size_t>(present - m_outputs.begin())] = true;
    add(name, present != m_outputs.end() ? present->name : m_texts.Filled(TextId::OutputAbsent, name), true);
  }
  for (size_t index = 0; index < m_outputs.size(); ++index) {
    if (!listed[index]) add(m_outputs[index].name, m_outputs[index].name, false);
  }
  m_showing = false;
}

// The ticked names, in the list's order.
void SettingsDialog::TakeOutputs(const SettingRow& row) {
  HWND list = Control(row.control.id);
  std::vector<std::wstring> ticked;
  for (size_t index = 0; index < m_outputItems.size(); ++index) {
    if (ListView_GetCheckState(list, static_cast<int>(index)) != FALSE) ticked.push_back(m_outputItems[index]);
  }
  std::wstring text = JoinOutputNames(ticked);
  if (text == m_settings.*row.text) return;
  m_settings.*row.text = std::move(text);
  m_changed = true;
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
    case ControlKind::ActionList:
    case ControlKind::HeldActionList: {
      if (notification != CBN_SELCHANGE) return false;
      // Each item holds its action's code; a code shown as unknown stays as it is.
      const LRESULT selection = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
      if (selection == CB_ERR) return true;
      m_settings.*row.number = static_cast<int32_t>(::SendMessageW(control, CB_GETITEMDATA, static_cast<WPARAM>(selection), 0));
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
    case ControlKind::HeldKeyList: {
      if (notification != CBN_SELCHANGE) return false;
      const auto selection = static_cast<int32_t>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
      const std::span<const uint8_t> choices = HeldKeyChoices();
      // The value shown as one more item is kept as written.
      if (selection == CB_ERR || static_cast<size_t>(selection) >= choices.size()) return true;
      m_settings.*row.modifiers = choices[static_cast<size_t>(selection)];
      m_settings.*row.text = FormatModifiers(m_settings.*row.modifiers);
      ShowSameHeldKeys();
      break;
    }
    case ControlKind::HotKeyField:
      if (notification != EN_CHANGE || m_showing) return notification == EN_CHANGE;
      m_settings.*row.text = KeyFieldOf(row.control.id).name();
      break;
    case ControlKind::OutputList:
      return false;  // it notifies by WM_NOTIFY
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

// The actions offered where the row's setting acts, each item holding its
// code; a code no action offered there has shows as one more item.
void SettingsDialog::ShowActions(HWND list, const SettingRow& row) {
  const uint8_t place = row.control.kind == ControlKind::ActionList ? kOfferedInZones : kOfferedOnHeldKey;
  const int32_t code = m_settings.*row.number;
  bool shown = false;
  for (const WheelAction& action : WheelActions()) {
    if ((action.offered & place) == 0) continue;
    const auto item = ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_texts(static_cast<TextId>(action.text)).c_str()));
    ::SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(item), action.code);
    if (action.code != code) continue;
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    shown = true;
  }
  if (!shown) {
    ShowExtraItem(list, m_texts.Filled(TextId::UnknownValue, FormatInt32(code)));
    ::SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(::SendMessageW(list, CB_GETCURSEL, 0, 0)), code);
  }
  // Typed text is never taken: the field shows only the choice.
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (::GetComboBoxInfo(list, &info) && info.hwndItem != nullptr) ::SendMessageW(info.hwndItem, EM_SETREADONLY, TRUE, 0);
}

KeyField& SettingsDialog::KeyFieldOf(int id) {
  HWND control = Control(id);
  for (const auto& field : m_keyFields) {
    if (field->hwnd() == control) return *field;
  }
  m_keyFields.push_back(std::make_unique<KeyField>(*this, m_texts));
  m_keyFields.back()->TakeOver(::GetParent(control), id);
  return *m_keyFields.back();
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
      const std::vector<KeyFault> faults = m_owner.SettingsSaved(m_settings, saved);
      if (!saved) ShowDialogMessage(hwnd(), m_texts(TextId::SaveFailed));
      if (!faults.empty()) ShowDialogMessage(hwnd(), m_texts.KeyFaults(faults));
      break;
    }
  }
  Close();
}
