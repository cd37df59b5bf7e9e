#include "app/TrayMenu.h"

#include <gtest/gtest.h>

#include "app/TrayCommands.h"

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

TEST(TrayMenu, FourItemsInOrderInEitherLanguage) {
  const UniqueMenu english = BuildTrayMenu(Texts(false));
  ASSERT_TRUE(english);
  EXPECT_EQ(ItemText(english.get(), 0), L"&Settings");
  EXPECT_EQ(ItemText(english.get(), 1), L"&About");
  EXPECT_EQ(ItemText(english.get(), 3), L"E&xit");

  const UniqueMenu menu = BuildTrayMenu(Texts(true));
  ASSERT_TRUE(menu);
  ASSERT_EQ(::GetMenuItemCount(menu.get()), 4);

  EXPECT_EQ(::GetMenuItemID(menu.get(), 0), static_cast<UINT>(kSettingsCommand));
  EXPECT_EQ(::GetMenuItemID(menu.get(), 1), static_cast<UINT>(kAboutCommand));
  EXPECT_EQ(::GetMenuItemID(menu.get(), 3), static_cast<UINT>(kExitCommand));
  EXPECT_EQ(ItemText(menu.get(), 0), L"设置(&S)");
  EXPECT_EQ(ItemText(menu.get(), 1), L"关于(&A)");
  EXPECT_EQ(ItemText(menu.get(), 3), L"退出(&X)");

  MENUITEMINFOW separator{};
  separator.cbSize = sizeof(separator);
  separator.fMask = MIIM_FTYPE;
  ASSERT_TRUE(::GetMenuItemInfoW(menu.get(), 2, TRUE, &separator));
  EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
}

}  // namespace
