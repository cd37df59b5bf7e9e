#include "framework/DialogKeys.h"

#include <gtest/gtest.h>

#include "tests/support/Input.h"
#include "ui/MessageBoxes.h"
#include "ui/about/AboutDialog.h"

namespace {

struct OpenDialogs {
  AboutDialog about{Texts(false)};
  bool Take(MSG& msg) { return about.TakeKeyboardInput(msg); }
};
OpenDialogs* g_open = nullptr;

// While a box of the program's own is up (its loop runs on the thread), a
// dialog opened meanwhile still takes its keys: Esc closes it.
TEST(DialogKeys, ADialogTakesItsKeysWhileABoxOfTheProgramIsUp) {
  OpenDialogs open;
  g_open = &open;
  const DialogKeys keys = DialogKeys::For<&OpenDialogs::Take>(open);
  HWND hidden = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  nullptr, nullptr);
  // In the box's loop: the dialog opens and Esc is pressed in it; later the box is closed.
  const UINT_PTR opening = ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    g_open->about.Show();
    ::SetForegroundWindow(g_open->about.hwnd());
    PressKey(VK_ESCAPE);
    ::SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR closing, DWORD) {
      ::KillTimer(nullptr, closing);
      if (HWND box = ::FindWindowW(L"#32770", L"Error")) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
  });
  ASSERT_NE(opening, 0U);
  ShowProgramMessage(Texts(false), hidden, L"A box of the program's own");
  EXPECT_FALSE(open.about.IsOpen()) << "Esc did not reach the dialog while the box was up";
  ::DestroyWindow(hidden);
  g_open = nullptr;
}

}  // namespace
