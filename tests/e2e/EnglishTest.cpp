// Run with an English user interface (LC_ALL=C.UTF-8 under Wine): Brimlet
// speaks English in its menu, dialogs and boxes, unless its Language key says zh.
#include "res/resource.h"
#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/DialogProbe.h"
#include "tests/support/Input.h"
#include "tests/support/Screenshot.h"

namespace {

class EnglishTest : public BrimletTest {
 protected:
  void SetUp() override {
    if (PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_CHINESE) GTEST_SKIP() << "needs an English UI";
    BrimletTest::SetUp();
  }
  HWND OpenFromMenu(const BrimletProcess& brimlet, int item, const wchar_t* caption) {
    if (brimlet.OpenMenu() == nullptr) return nullptr;
    brimlet.ChooseMenuItem(item);
    return brimlet.WaitForDialog(caption);
  }
};

TEST_F(EnglishTest, MenuDialogsAndBoxesSpeakEnglish) {
  WriteConfig(L"[Brimlet]\n");  // no first-start notice over the screenshot
  auto brimlet = Start();
  PointerAt(24, 36);
  HWND menu = brimlet->OpenMenu();
  ASSERT_NE(menu, nullptr);
  ::Sleep(300);  // let it paint
  SaveScreenshot(L"tray-menu-en");
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForWindowGone(menu, 5000) || !::IsWindowVisible(menu));

  HWND settings = OpenFromMenu(*brimlet, 0, L"Settings");
  ASSERT_NE(settings, nullptr) << "no dialog captioned Settings";
  EXPECT_EQ(ControlText(settings, IDC_AUTORUN_CHECK), L"Start at &logon");
  EXPECT_EQ(ControlText(settings, IDC_ALLSCREENS_CHECK), L"Corners and edges on &all screens");
  EXPECT_EQ(ControlText(settings, IDCANCEL), L"Cancel");
  for (const int list : {IDC_LT_COMBO, IDC_LB_COMBO, IDC_RT_COMBO, IDC_RB_COMBO}) {
    EXPECT_EQ(ListItemText(settings, list, 0), L"None");
    EXPECT_EQ(ListItemText(settings, list, 1), L"Volume");
    EXPECT_EQ(ListItemText(settings, list, 2), L"Brightness");
  }
  // Each page's picture, changing pages as a keyboard user does.
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == settings; }, 5000));
  for (const wchar_t* page : {L"settings-general-en", L"settings-zones-en", L"settings-volume-brightness-en",
                              L"settings-programs-en", L"settings-keys-en"}) {
    ::Sleep(300);
    SaveScreenshot(page);
    PressChord({VK_CONTROL, VK_TAB});
  }
  for (const int list : {IDC_LT_COMBO, IDC_LB_COMBO, IDC_RT_COMBO, IDC_RB_COMBO}) ChooseListItem(settings, list, 0);
  PressButton(settings, IDOK);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindProcessWindow(brimlet->pid(), L"#32770", L"Brimlet")) != nullptr; },
                        5000));
  EXPECT_EQ(MessageBoxText(box), L"At least one corner needs an action");
  PressButton(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box, 5000));
  PressButton(settings, IDCANCEL);  // the refusal kept it open
  ASSERT_TRUE(WaitForWindowGone(settings, 5000));

  HWND about = OpenFromMenu(*brimlet, 1, L"About");
  ASSERT_NE(about, nullptr) << "no dialog captioned About";
  EXPECT_EQ(ControlText(about, IDC_LINK_MAIL), L"&Contact");
  EXPECT_EQ(ControlText(about, IDOK), L"OK");
  ::Sleep(300);
  SaveScreenshot(L"about-dialog-en");
  PressButton(about, IDOK);
  EXPECT_TRUE(WaitForWindowGone(about, 5000));
}

TEST_F(EnglishTest, LanguageKeyChoosesChineseAnyway) {
  WriteConfig(L"[Brimlet]\nLanguage = zh\n");
  auto brimlet = Start();
  HWND settings = OpenFromMenu(*brimlet, 0, L"设置");
  ASSERT_NE(settings, nullptr) << "no dialog captioned 设置";
  EXPECT_EQ(ControlText(settings, IDC_AUTORUN_CHECK), L"开机启动(&L)");
  PressButton(settings, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(settings, 5000));
}

}  // namespace
