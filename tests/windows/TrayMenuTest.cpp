#include "app/TrayMenu.h"

#include <gtest/gtest.h>

namespace {

wchar_t AccessKeyOf(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  const wchar_t* mark = wcschr(text, L'&');
  return mark != nullptr && mark[1] != L'\0' ? static_cast<wchar_t>(towupper(mark[1])) : 0;
}

// Settings, About, a separator and Exit, in either language, each reached by
// the same access key, which keyboard users and the README rely on.
TEST(TrayMenu, ItemsAnswerTheirCommandsByTheSameAccessKeysInEitherLanguage) {
  for (const bool chinese : {true, false}) {
    const UniqueMenu menu = TrayMenu::Build(Texts(chinese));
    ASSERT_TRUE(menu);
    ASSERT_EQ(::GetMenuItemCount(menu.get()), 4);
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

}  // namespace
