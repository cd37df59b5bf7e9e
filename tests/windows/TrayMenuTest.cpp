#include "app/TrayMenu.h"

#include <gtest/gtest.h>

#include "app/TrayCommands.h"

namespace {

std::string ItemText(HMENU menu, UINT position) {
  char text[64] = {};
  ::GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
  return text;
}

TEST(TrayMenu, FourItemsInOrderWithGbkTexts) {
  const UniqueMenu menu = BuildTrayMenu();
  ASSERT_TRUE(menu);
  ASSERT_EQ(::GetMenuItemCount(menu.get()), 4);

  EXPECT_EQ(::GetMenuItemID(menu.get(), 0), static_cast<UINT>(IDM_SETTINGS));
  EXPECT_EQ(::GetMenuItemID(menu.get(), 1), static_cast<UINT>(IDM_ABOUT));
  EXPECT_EQ(::GetMenuItemID(menu.get(), 3), static_cast<UINT>(IDM_EXIT));
  EXPECT_EQ(ItemText(menu.get(), 0), "\xC9\xE8\xD6\xC3");  // 设置
  EXPECT_EQ(ItemText(menu.get(), 1), "\xB9\xD8\xD3\xDA");  // 关于
  EXPECT_EQ(ItemText(menu.get(), 3), "\xCD\xCB\xB3\xF6");  // 退出

  MENUITEMINFOW separator{};
  separator.cbSize = sizeof(separator);
  separator.fMask = MIIM_FTYPE;
  ASSERT_TRUE(::GetMenuItemInfoW(menu.get(), 2, TRUE, &separator));
  EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
}

TEST(TrayMenu, ItemsReadAsChineseInCodePage936) {
  ASSERT_EQ(::GetACP(), 936U) << "the bench runs Wine with code page 936";
  const UniqueMenu menu = BuildTrayMenu();
  wchar_t text[16] = {};
  ::GetMenuStringW(menu.get(), 0, text, 16, MF_BYPOSITION);
  EXPECT_STREQ(text, L"设置");
  ::GetMenuStringW(menu.get(), 3, text, 16, MF_BYPOSITION);
  EXPECT_STREQ(text, L"退出");
}

TEST(TrayCommands, UnknownCommandsDoNothing) {
  // A dismissed menu gives 0: no dialog opens and nothing is posted.
  RunTrayCommand(0);
  RunTrayCommand(0x0FFF);
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

}  // namespace
