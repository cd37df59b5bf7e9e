#include "app/TrayMenu.h"

#include <gtest/gtest.h>

namespace {

wchar_t AccessKeyOf(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  const wchar_t* mark = wcschr(text, L'&');
  return mark != nullptr && mark[1] != L'\0' ? static_cast<wchar_t>(towupper(mark[1])) : 0;
}

// The outputs, Settings, About, a separator and Exit, in either language,
// each reached by the same access key, which keyboard users and the README
// rely on.
TEST(TrayMenu, ItemsAnswerTheirCommandsByTheSameAccessKeysInEitherLanguage) {
  for (const bool chinese : {true, false}) {
    const UniqueMenu menu = TrayMenu::Build(Texts(chinese));
    ASSERT_TRUE(menu);
    ASSERT_EQ(::GetMenuItemCount(menu.get()), 5);
    EXPECT_EQ(AccessKeyOf(menu.get(), 0), L'O');
    ::RemoveMenu(menu.get(), 0, MF_BYPOSITION);  // the rest as ever

    const struct {
      UINT position;
      int command;
      wchar_t key;
    } items[] = {{0, kSettingsCommand, L'S'}, {1, kAboutCommand, L'A'}, {3, kExitCommand, L'X'}};
    for (const auto& item : items) {
      EXPECT_EQ(::GetMenuItemID(menu.get(), static_cast<int>(item.position)), static_cast<UINT>(item.command));
      EXPECT_EQ(AccessKeyOf(menu.get(), item.position), item.key) << "item " << item.position;
    }
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoW(menu.get(), 2, TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
  }
}

// Each output by its name (an ampersand shown as one), the default checked;
// where Windows cannot switch, one greyed item says so.
TEST(TrayMenu, TheOutputsSubmenuListsEveryOutputOrSaysItCannotSwitch) {
  const std::vector<OutputDevice> outputs{{L"a", L"Speakers", false}, {L"b", L"Monitor & TV", true}};
  const UniqueMenu menu = TrayMenu::Build(Texts(false), outputs, true);
  HMENU submenu = ::GetSubMenu(menu.get(), 0);
  ASSERT_EQ(::GetMenuItemCount(submenu), 2);
  wchar_t name[64] = {};
  ::GetMenuStringW(submenu, 1, name, 64, MF_BYPOSITION);
  EXPECT_STREQ(name, L"Monitor && TV");
  EXPECT_EQ(::GetMenuItemID(submenu, 1), static_cast<UINT>(kFirstOutputCommand + 1));
  EXPECT_EQ(::GetMenuState(submenu, 0, MF_BYPOSITION) & MF_CHECKED, 0U);
  EXPECT_NE(::GetMenuState(submenu, 1, MF_BYPOSITION) & MF_CHECKED, 0U);

  const UniqueMenu cannot = TrayMenu::Build(Texts(false), outputs, false);
  submenu = ::GetSubMenu(cannot.get(), 0);
  ASSERT_EQ(::GetMenuItemCount(submenu), 1);
  ::GetMenuStringW(submenu, 0, name, 64, MF_BYPOSITION);
  EXPECT_STREQ(name, L"This Windows cannot switch outputs");
  EXPECT_NE(::GetMenuState(submenu, 0, MF_BYPOSITION) & MF_GRAYED, 0U);
}

}  // namespace
