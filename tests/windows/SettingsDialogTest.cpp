#include "ui/settings/SettingsDialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "res/resource.h"
#include "tests/windows/TestFolder.h"

namespace {

struct SavedSettings final : SettingsDialog::Owner {
  Settings saved;
  std::vector<KeyFault> SettingsSaved(const Settings& settings, bool) override {
    saved = settings;
    return {};
  }
};

std::wstring ItemText(HWND list, int item) {
  wchar_t text[64] = {};
  ListView_GetItemText(list, item, 0, text, 64);
  return text;
}

// The outputs to tick: the names chosen first, ticked, those absent now kept
// and said to be absent, then the other outputs; OK saves the ticked names
// in the list's order. The Keys page says when both held keys are the same.
TEST(SettingsDialog, TheOutputsToTickKeepAbsentNamesAndSaveTheTickedInOrder) {
  TestFolder folder;
  const SettingsStore store({L"", folder.File(L"config.ini"), L""});
  SavedSettings owner;
  Settings settings;
  settings.outputDevices = L"Monitor|Gone";
  settings.keyWheelModifiers = settings.appKeyWheelModifiers = kCtrl;
  SettingsDialog dialog(store, Texts(false), owner, settings,
                        {{L"a", L"Speakers", true}, {L"b", L"monitor", false}});
  ASSERT_TRUE(dialog.Show());
  EXPECT_NE(::GetWindowLongW(dialog.Control(IDC_SAME_HELD_KEYS), GWL_STYLE) & WS_VISIBLE, 0);
  HWND list = dialog.Control(IDC_OUTPUT_LIST);
  ASSERT_EQ(ListView_GetItemCount(list), 3);
  EXPECT_EQ(ItemText(list, 0), L"monitor") << "as Windows shows it";
  EXPECT_EQ(ItemText(list, 1), L"Gone (not connected)");
  EXPECT_EQ(ItemText(list, 2), L"Speakers");
  EXPECT_TRUE(ListView_GetCheckState(list, 0) && ListView_GetCheckState(list, 1));
  EXPECT_FALSE(ListView_GetCheckState(list, 2));
  ListView_SetCheckState(list, 2, TRUE);
  ::SendMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(owner.saved.outputDevices, L"Monitor|Gone|Speakers");
}

}  // namespace
