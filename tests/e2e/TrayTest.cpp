#include <windows.h>

#include <shellapi.h>

#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/DialogProbe.h"
#include "tests/support/Input.h"
#include "tests/support/Screenshot.h"

namespace {

bool NoMenuAppears(const BrimletProcess& brimlet) {
  ::Sleep(400);
  return FindProcessWindow(brimlet.pid(), L"#32768") == nullptr;
}

using TrayTest = BrimletTest;

TEST_F(TrayTest, SecondInstanceEndsAtOnceAndTheFirstKeepsWorking) {
  auto first = Start();
  ASSERT_TRUE(IconExists(first->trayWindow()));

  ExpectAnotherStartEndsAtOnce();

  EXPECT_TRUE(first->IsRunning());
  EXPECT_TRUE(IconExists(first->trayWindow()));
  ASSERT_NE(first->OpenMenu(), nullptr);
  PressKey(VK_ESCAPE);
}

TEST_F(TrayTest, MenuOpensOnRightButtonDownAndFromTheKeyboardOnly) {
  WriteConfig(L"[Brimlet]\n");  // no first-start notice over the screenshot
  auto brimlet = Start();
  for (const UINT event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP,
                           WM_RBUTTONDBLCLK, NIN_SELECT}) {
    brimlet->PostTrayEvent(event);
    EXPECT_TRUE(NoMenuAppears(*brimlet)) << "event 0x" << std::hex << event;
  }
  PointerAt(24, 36);  // over the icon in the bench's notification area
  HWND menu = brimlet->OpenMenu();
  ASSERT_NE(menu, nullptr);
  // The menu opens where the pointer is, its top-left corner at the pointer.
  RECT rect{};
  ::GetWindowRect(menu, &rect);
  EXPECT_EQ(rect.left, 24);
  EXPECT_EQ(rect.top, 36);
  ::Sleep(300);  // let it paint
  SaveScreenshot(L"tray-menu");
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForWindowGone(menu, 5000) || !::IsWindowVisible(menu));

  // A keyboard user: Enter on the icon, or Shift+F10 / the menu key.
  for (const UINT event : {static_cast<UINT>(NIN_KEYSELECT), static_cast<UINT>(WM_CONTEXTMENU)}) {
    ::Sleep(600);  // well after the last menu closed
    brimlet->PostTrayEvent(event);
    HWND opened = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (opened = FindProcessWindow(brimlet->pid(), L"#32768")) != nullptr; }, 5000))
        << "event 0x" << std::hex << event;
    PressKey(VK_ESCAPE);
    if (opened != nullptr) WaitForWindowGone(opened, 5000);
  }
}

// A right click ends in WM_RBUTTONDOWN, then WM_CONTEXTMENU: still one menu.
TEST_F(TrayTest, RightClickOpensExactlyOneMenu) {
  auto brimlet = Start();
  brimlet->PostTrayEvent(WM_RBUTTONDOWN);
  brimlet->PostTrayEvent(WM_RBUTTONUP);
  brimlet->PostTrayEvent(WM_CONTEXTMENU);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(brimlet->pid(), L"#32768")) != nullptr; }, 5000));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForWindowGone(menu, 5000) || !::IsWindowVisible(menu));
  EXPECT_TRUE(NoMenuAppears(*brimlet)) << "a second menu opened";
}

// Only a right click's own WM_CONTEXTMENU is a repeat: Enter or the menu key
// right after a menu the keyboard opened and Esc closed opens the menu again.
TEST_F(TrayTest, KeyboardOpensTheMenuAgainRightAfterItClosed) {
  auto brimlet = Start();
  for (const UINT event : {static_cast<UINT>(NIN_KEYSELECT), static_cast<UINT>(WM_CONTEXTMENU),
                           static_cast<UINT>(NIN_KEYSELECT), static_cast<UINT>(WM_CONTEXTMENU)}) {
    brimlet->PostTrayEvent(event);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(brimlet->pid(), L"#32768")) != nullptr; }, 5000))
        << "event 0x" << std::hex << event << " opened no menu";
    // Esc again while the menu stays open: under Wine a menu's first key can be lost.
    bool closed = false;
    for (int tries = 0; tries < 10 && !closed; ++tries) {
      PressKey(VK_ESCAPE);
      closed = WaitUntil([&] { return !::IsWindow(menu) || !::IsWindowVisible(menu); }, 1000);
    }
    ASSERT_TRUE(closed);
  }
}

TEST_F(TrayTest, DismissedMenuDoesNothing) {
  auto brimlet = Start();
  HWND menu = brimlet->OpenMenu();
  ASSERT_NE(menu, nullptr);
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForWindowGone(menu, 5000) || !::IsWindowVisible(menu));
  ::Sleep(300);
  EXPECT_EQ(FindProcessWindow(brimlet->pid(), L"#32770"), nullptr) << "a dialog opened";
  EXPECT_TRUE(brimlet->IsRunning());
  // Nothing is left over: the next press opens a new menu.
  EXPECT_NE(brimlet->OpenMenu(), nullptr);
  PressKey(VK_ESCAPE);
}

TEST_F(TrayTest, ExitEndsTheProcessAndRemovesTheIcon) {
  auto brimlet = Start();
  const std::string firstFile = ReadFileBytes(brimlet->ConfigPath());
  HWND tray = brimlet->trayWindow();
  ASSERT_TRUE(IconExists(tray));
  ASSERT_NE(brimlet->OpenMenu(), nullptr);
  brimlet->ChooseMenuItem(2);
  DWORD exitCode = 99;
  ASSERT_TRUE(brimlet->WaitForExit(10000, &exitCode)) << "Exit did not end the program";
  EXPECT_EQ(exitCode, 0U);
  EXPECT_FALSE(IconExists(tray));
  EXPECT_EQ(ReadFileBytes(brimlet->ConfigPath()), firstFile) << "nothing is written at exit";
}

TEST_F(TrayTest, WmUserFromAnotherProgramDoesNotEndIt) {
  auto brimlet = Start();
  HWND tray = brimlet->trayWindow();
  ASSERT_TRUE(::PostMessageW(tray, WM_USER, 0, 0));
  ASSERT_TRUE(::PostThreadMessageW(::GetWindowThreadProcessId(tray, nullptr), WM_USER, 0, 0));
  // Both are handled by the time the loop answers the next message sent to it.
  DWORD_PTR result = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(tray, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result));
  EXPECT_FALSE(brimlet->WaitForExit(300)) << "WM_USER ended the program";
  EXPECT_TRUE(IconExists(tray));
  // Its own Exit still does.
  ASSERT_NE(brimlet->OpenMenu(), nullptr);
  brimlet->ChooseMenuItem(2);
  DWORD exitCode = 99;
  EXPECT_TRUE(brimlet->WaitForExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 0U);
}

TEST_F(TrayTest, EndOfTheSessionEndsItCleanly) {
  auto brimlet = Start();
  const std::string firstFile = ReadFileBytes(brimlet->ConfigPath());
  HWND tray = brimlet->trayWindow();
  HWND shell = brimlet->ShellWatchWindow();
  ASSERT_NE(shell, nullptr) << "no hidden top-level window hears the session's end";
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(shell, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &result);
  EXPECT_NE(result, 0U) << "it does not hold up the log-off";
  ::SendMessageTimeoutW(shell, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &result);
  EXPECT_FALSE(IconExists(tray)) << "the icon is gone before WM_ENDSESSION returns";
  DWORD exitCode = 99;
  EXPECT_TRUE(brimlet->WaitForExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 0U);
  EXPECT_EQ(ReadFileBytes(brimlet->ConfigPath()), firstFile) << "nothing is written";
}

TEST_F(TrayTest, IconComesBackWhenTheShellRestarts) {
  auto brimlet = Start();
  HWND tray = brimlet->trayWindow();
  ASSERT_TRUE(IconExists(tray));

  // A restarted shell has lost every icon, then broadcasts "TaskbarCreated".
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = tray;
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &record));
  ASSERT_FALSE(IconExists(tray));

  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  EXPECT_TRUE(WaitUntil([tray] { return IconExists(tray); }, 5000)) << "the icon did not come back";

  // And the menu works through it again.
  ASSERT_NE(brimlet->OpenMenu(), nullptr);
  brimlet->ChooseMenuItem(2);
  EXPECT_TRUE(brimlet->WaitForExit(10000));
}

}  // namespace
