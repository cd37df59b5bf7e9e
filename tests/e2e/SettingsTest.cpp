#include <cstdlib>

#include <windows.h>

#include <commctrl.h>
#include <string>

#include "res/resource.h"
#include "tests/e2e/BrimletTest.h"
// after windows.h, which it needs
#include <shellapi.h>
#include "tests/e2e/DialogProbe.h"
#include "tests/support/Input.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/support/ConfigImage.h"
#include "tests/support/Screenshot.h"
#include "framework/UniqueHandle.h"

namespace {

const std::string kDefaultsWithAutoRun = DiskBytes(ConfigImage().Set(L"AutoRun", L"true").FirstText());
// What a copy's first start writes, so that its first-start notice shows once.
const std::string kFirstFile = DiskBytes(ConfigImage().FirstText());

const int kCornerLists[] = {IDC_LT_COMBO, IDC_LB_COMBO, IDC_RT_COMBO, IDC_RB_COMBO};

class SettingsTest : public BrimletTest {
 protected:
  HWND OpenSettings(const BrimletProcess& brimlet) {
    if (brimlet.OpenMenu() == nullptr) return nullptr;
    brimlet.ChooseMenuItem(0);
    return brimlet.WaitForDialog(L"设置");
  }
  HWND OpenAbout(const BrimletProcess& brimlet) {
    if (brimlet.OpenMenu() == nullptr) return nullptr;
    brimlet.ChooseMenuItem(1);
    return brimlet.WaitForDialog(L"关于");
  }
  // Presses OK and waits until the dialog has closed.
  void Confirm(HWND dialog) {
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitForWindowGone(dialog, 5000)) << "the dialog stayed open";
  }
  // The message box the dialog shows on OK: its text, after closing it.
  std::wstring AcceptMessage(const BrimletProcess& brimlet) {
    HWND box = brimlet.WaitForDialog(L"Brimlet");
    if (box == nullptr) return L"<no message box>";
    const std::wstring text = MessageBoxText(box);
    PressButton(box, IDOK);
    WaitForWindowGone(box, 5000);
    return text;
  }
  std::string ConfigBytes() const { return ReadFileBytes(m_folder + L"\\config.ini"); }
};

TEST_F(SettingsTest, ShowsTheDefaultsWithoutAConfigFile) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(CheckState(dialog, IDC_AUTORUN_CHECK), BST_UNCHECKED) << "no shortcut";
  EXPECT_EQ(CheckState(dialog, IDC_SOUND_CHECK), BST_UNCHECKED);
  EXPECT_EQ(CheckState(dialog, IDC_FULLSCREEN_CHECK), BST_CHECKED);
  const int expected[] = {2, 1, 2, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ListSelection(dialog, kCornerLists[i]), expected[i]) << kCornerLists[i];
    ASSERT_EQ(ListCount(dialog, kCornerLists[i]), 3);
    EXPECT_EQ(ListItemText(dialog, kCornerLists[i], 0), L"无");
    EXPECT_EQ(ListItemText(dialog, kCornerLists[i], 1), L"音量控制");
    EXPECT_EQ(ListItemText(dialog, kCornerLists[i], 2), L"亮度控制");
  }
  EXPECT_EQ(SliderPosition(dialog, IDC_INTERVAL_SLIDER), 100);
  EXPECT_EQ(ControlText(dialog, IDC_INTERVAL_TEXT), L"100");

  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(dialog, 5000));
  EXPECT_EQ(ConfigBytes(), kFirstFile) << "the first start wrote the defaults, and Cancel nothing";
}

// Every page shows from the keyboard: Ctrl+Tab and Ctrl+Shift+Tab go round,
// and Alt with a tab's access key chooses it. Each page's picture is taken.
TEST_F(SettingsTest, PagesChangeByCtrlTabAndByTheTabsAccessKeys) {
  WriteConfig(L"[Brimlet]\n");  // no first-start notice over the pictures
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 5000));
  // A control of each page, in tab order, and the page's picture.
  const struct {
    int control;
    const wchar_t* picture;
  } pages[] = {{IDC_AUTORUN_CHECK, L"settings-general"},
               {IDC_ALLSCREENS_CHECK, L"settings-zones"},
               {IDC_MUTE_CHECK, L"settings-volume-brightness"},
               {IDC_IGNORE_EDIT, L"settings-programs"},
               {IDC_HELD_KEY_COMBO, L"settings-keys"}};
  const auto shows = [&](int control) {
    return WaitUntil([&] { return ::IsWindowVisible(FindControl(dialog, control)) != FALSE; }, 3000);
  };
  for (const auto& page : pages) {
    ASSERT_TRUE(shows(page.control)) << "page of control " << page.control;
    ::Sleep(300);  // let it paint
    SaveScreenshot(page.picture);
    PressChord({VK_CONTROL, VK_TAB});
  }
  EXPECT_TRUE(shows(IDC_AUTORUN_CHECK)) << "Ctrl+Tab goes round to the first page";
  PressChord({VK_CONTROL, VK_SHIFT, VK_TAB});
  EXPECT_TRUE(shows(IDC_HELD_KEY_COMBO)) << "Ctrl+Shift+Tab goes back to the last";
  PressChord({VK_MENU, 'Z'});
  EXPECT_TRUE(shows(IDC_ALLSCREENS_CHECK)) << "Alt+Z chooses the zones";
  EXPECT_FALSE(::IsWindowVisible(FindControl(dialog, IDC_HELD_KEY_COMBO)));
  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
}

TEST_F(SettingsTest, ShowsTheFileAndKeepsWhatTheControlsCannotShow) {
  WriteConfig(L"[Brimlet]\nSound = true\nDisableFunctionWhenFullScreen = false\nLTControll = 3\nLBControll = 0\n"
              L"RTControll = 1\nRBControll = 2\nInterval = 5000\nKeyWheel = Ctrl+Ctrl\nBrightnessUpKey = Ctrl+Ctrl\n");
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(CheckState(dialog, IDC_SOUND_CHECK), BST_CHECKED);
  EXPECT_EQ(CheckState(dialog, IDC_FULLSCREEN_CHECK), BST_UNCHECKED);
  EXPECT_EQ(ListSelection(dialog, IDC_LT_COMBO), 3) << "code 3 shows as one more item";
  EXPECT_EQ(ListItemText(dialog, IDC_LT_COMBO, 3), L"未知：3");
  EXPECT_EQ(ListSelection(dialog, IDC_LB_COMBO), 0);
  EXPECT_EQ(ListSelection(dialog, IDC_RT_COMBO), 1);
  EXPECT_EQ(ListSelection(dialog, IDC_RB_COMBO), 2);
  EXPECT_EQ(SliderPosition(dialog, IDC_INTERVAL_SLIDER), 1000) << "the thumb stops at the end";
  EXPECT_EQ(ControlText(dialog, IDC_INTERVAL_TEXT), L"5000");
  EXPECT_EQ(ListItemText(dialog, IDC_HELD_KEY_COMBO, ListSelection(dialog, IDC_HELD_KEY_COMBO)), L"未知：Ctrl+Ctrl")
      << "a name Brimlet does not know is no None";
  EXPECT_EQ(ControlText(dialog, IDC_BRIGHTER_KEY), L"未知：Ctrl+Ctrl");

  EXPECT_EQ(CheckState(dialog, IDC_ALLSCREENS_CHECK), BST_UNCHECKED);
  ClickCheck(dialog, IDC_SOUND_CHECK);
  ClickCheck(dialog, IDC_ALLSCREENS_CHECK);
  PressButton(dialog, IDOK);
  EXPECT_EQ(AcceptMessage(*brimlet), L"以下快捷键未生效：\nBrightnessUpKey = Ctrl+Ctrl：Brimlet 不认识这个按键");
  ASSERT_TRUE(WaitForWindowGone(dialog, 5000));
  const std::string saved = ConfigBytes();
  EXPECT_NE(saved.find("Sound = false\r\n"), std::string::npos);
  EXPECT_NE(saved.find("AllScreens = true\r\n"), std::string::npos);
  EXPECT_NE(saved.find("LTControll = 3\r\n"), std::string::npos) << "written back unchanged";
  EXPECT_NE(saved.find("Interval = 5000\r\n"), std::string::npos);
  EXPECT_NE(saved.find("KeyWheel = Ctrl+Ctrl\r\n"), std::string::npos);
  EXPECT_NE(saved.find("BrightnessUpKey = Ctrl+Ctrl\r\n"), std::string::npos);
}

TEST_F(SettingsTest, ProgramListsMuteAndStepSizesAreShownAndSaved) {
  WriteConfig(L"[Brimlet]\nIgnorePrograms = game.exe\nVolumeStep = 7\nBrightnessStep = 30\n");
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_IGNORE_EDIT), L"game.exe");
  EXPECT_EQ(ControlText(dialog, IDC_ACT_EDIT), L"");
  EXPECT_EQ(CheckState(dialog, IDC_MUTE_CHECK), BST_UNCHECKED);
  EXPECT_EQ(ControlText(dialog, IDC_VOLUME_STEP_EDIT), L"6") << "an odd step rounds down";
  EXPECT_EQ(ControlText(dialog, IDC_BRIGHTNESS_STEP_EDIT), L"20") << "30 is taken at the top of the range";
  TypeInto(dialog, IDC_IGNORE_EDIT, L" game.exe; editor.exe ");
  TypeInto(dialog, IDC_ACT_EDIT, L"player.exe");
  ClickCheck(dialog, IDC_MUTE_CHECK);
  TypeInto(dialog, IDC_VOLUME_STEP_EDIT, L"25");
  TypeInto(dialog, IDC_BRIGHTNESS_STEP_EDIT, L"5");
  Confirm(dialog);
  const std::string saved = ConfigBytes();
  for (const char* line : {"IgnorePrograms = game.exe; editor.exe\r\n", "ActInFullScreen = player.exe\r\n",
                           "MiddleClickMute = true\r\n", "VolumeStep = 20\r\n", "BrightnessStep = 5\r\n"}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line;
  }
}

TEST_F(SettingsTest, IntervalBelowTheRangeAndOffTheGrid) {
  WriteConfig(L"[Brimlet]\nInterval = 101\n");
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SliderPosition(dialog, IDC_INTERVAL_SLIDER), 101);
  EXPECT_EQ(ControlText(dialog, IDC_INTERVAL_TEXT), L"101");
  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(dialog, 5000));

  WriteConfig(L"[Brimlet]\nInterval = 5\n");
  dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SliderPosition(dialog, IDC_INTERVAL_SLIDER), 10);
  EXPECT_EQ(ControlText(dialog, IDC_INTERVAL_TEXT), L"5");
  PressButton(dialog, IDCANCEL);
}

TEST_F(SettingsTest, OkWithoutChangesWritesNothing) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  Confirm(dialog);
  ::Sleep(300);
  EXPECT_EQ(ConfigBytes(), kFirstFile) << "the first start's file stays as it was";
  EXPECT_FALSE(FileExists(StartupShortcutPath())) << "the shortcut is not touched";
}

TEST_F(SettingsTest, OneChangeWritesEveryKeyAndTheShortcut) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ClickCheck(dialog, IDC_AUTORUN_CHECK);
  Confirm(dialog);
  EXPECT_EQ(ConfigBytes(), kDefaultsWithAutoRun);
  EXPECT_TRUE(FileExists(StartupShortcutPath()));

  dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(CheckState(dialog, IDC_AUTORUN_CHECK), BST_CHECKED) << "the shortcut exists now";
  ClickCheck(dialog, IDC_AUTORUN_CHECK);
  Confirm(dialog);
  EXPECT_FALSE(FileExists(StartupShortcutPath()));
  EXPECT_NE(ConfigBytes().find("AutoRun = false\r\n"), std::string::npos);
}

TEST_F(SettingsTest, ChangingAndChangingBackStillSaves) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ClickCheck(dialog, IDC_SOUND_CHECK);
  ClickCheck(dialog, IDC_SOUND_CHECK);
  ChooseListItem(dialog, IDC_RT_COMBO, 1);
  ChooseListItem(dialog, IDC_RT_COMBO, 2);
  Confirm(dialog);
  EXPECT_EQ(ConfigBytes(), DiskBytes(ConfigImage().FirstText()));
}

// The refusal keeps the dialog open with everything typed on every page;
// nothing is written until an OK that saves.
TEST_F(SettingsTest, AllCornersNoneIsRefusedAndKeepsWhatWasTyped) {
  WriteConfig(L"[Brimlet]\nInterval = 250\n");
  const std::string before = ReadFileBytes(m_folder + L"\\config.ini");
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  TypeInto(dialog, IDC_IGNORE_EDIT, L"game.exe");
  for (const int list : kCornerLists) ChooseListItem(dialog, list, 0);
  PressButton(dialog, IDOK);
  EXPECT_EQ(AcceptMessage(*brimlet), L"不允许所有边缘都没有操作鸭");
  ::Sleep(300);
  ASSERT_TRUE(::IsWindowVisible(dialog)) << "the dialog stays open after the message";
  EXPECT_EQ(ConfigBytes(), before);
  EXPECT_EQ(ControlText(dialog, IDC_IGNORE_EDIT), L"game.exe");
  ChooseListItem(dialog, IDC_RT_COMBO, 1);
  Confirm(dialog);
  const std::string saved = ConfigBytes();
  EXPECT_NE(saved.find("RTControll = 1\r\n"), std::string::npos);
  EXPECT_NE(saved.find("IgnorePrograms = game.exe\r\n"), std::string::npos);
}

TEST_F(SettingsTest, SliderSnapsDownToMultiplesOfFive) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  DragSliderTo(dialog, IDC_INTERVAL_SLIDER, 537);
  EXPECT_EQ(SliderPosition(dialog, IDC_INTERVAL_SLIDER), 535);
  EXPECT_EQ(ControlText(dialog, IDC_INTERVAL_TEXT), L"535");
  // Keyboard: each arrow key moves one step of 5, either way.
  HWND slider = FindControl(dialog, IDC_INTERVAL_SLIDER);
  ::SetForegroundWindow(dialog);
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(slider), TRUE);
  // Keys go to the focus of the thread in front: wait until that is the slider.
  ASSERT_TRUE(WaitUntil(
      [&] {
        GUITHREADINFO front{};
        front.cbSize = sizeof(front);
        return ::GetGUIThreadInfo(0, &front) && front.hwndFocus == slider;
      },
      5000))
      << "the slider did not get the keyboard focus";
  PressKey(VK_RIGHT);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, IDC_INTERVAL_TEXT) == L"540"; }, 2000));
  PressKey(VK_LEFT);
  PressKey(VK_LEFT);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, IDC_INTERVAL_TEXT) == L"530"; }, 2000))
      << "shows " << std::string(ControlText(dialog, IDC_INTERVAL_TEXT).begin(),
                                 ControlText(dialog, IDC_INTERVAL_TEXT).end());
  DragSliderTo(dialog, IDC_INTERVAL_SLIDER, 537);
  Confirm(dialog);
  EXPECT_NE(ConfigBytes().find("Interval = 535\r\n"), std::string::npos);
}

TEST_F(SettingsTest, OpensCentredOnTheWorkAreaAndASecondRequestBringsItForward) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  RECT rect{};
  ::GetWindowRect(dialog, &rect);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor));
  const RECT& work = monitor.rcWork;
  EXPECT_LE(std::abs((rect.left + rect.right) - (work.left + work.right)), 1);
  EXPECT_LE(std::abs((rect.top + rect.bottom) - (work.top + work.bottom)), 1);

  // Settings chosen again while it is open, with an edit made.
  ClickCheck(dialog, IDC_SOUND_CHECK);
  ASSERT_NE(brimlet->OpenMenu(), nullptr);
  brimlet->ChooseMenuItem(0);
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 5000)) << [] {
    wchar_t text[64] = {};
    ::GetClassNameW(::GetForegroundWindow(), text, 64);
    return std::string(text, text + wcslen(text));
  }();
  ::Sleep(300);
  int open = 0;
  for (HWND window = ::FindWindowExW(nullptr, nullptr, L"#32770", L"设置"); window != nullptr;
       window = ::FindWindowExW(nullptr, window, L"#32770", L"设置")) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    open += pid == brimlet->pid() && ::IsWindowVisible(window) ? 1 : 0;
  }
  EXPECT_EQ(open, 1) << "a second dialog opened";
  EXPECT_EQ(CheckState(dialog, IDC_SOUND_CHECK), BST_CHECKED) << "the edit is still there";
  Confirm(dialog);
  EXPECT_NE(ConfigBytes().find("Sound = true\r\n"), std::string::npos);
}

// Settings and About are open side by side: OK in one closes it at once, and a
// saved change reaches the hook at once, whatever the other one is doing.
TEST_F(SettingsTest, DialogsOpenSideBySideEndAtOnce) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  HWND settings = OpenSettings(*brimlet);
  ASSERT_NE(settings, nullptr);
  HWND about = OpenAbout(*brimlet);
  ASSERT_NE(about, nullptr);
  ChooseListItem(settings, IDC_RB_COMBO, 0);
  Confirm(settings);
  EXPECT_TRUE(::IsWindowVisible(about));
  KeyWatcher keys;
  // Bottom-right is "none" now, while About is still open; the bottom-left
  // corner's key shows that the turn before it was handled.
  WheelAt(1919, 1079, 120);
  WheelAt(0, 1079, -120);
  ASSERT_TRUE(keys.WaitForCount(1, 5000));
  EXPECT_EQ(keys.KeyDowns(), std::vector<DWORD>{VK_VOLUME_DOWN}) << "the hook still has the old settings";
  settings = OpenSettings(*brimlet);
  ASSERT_NE(settings, nullptr) << "no visible Settings dialog";
  EXPECT_EQ(ListSelection(settings, IDC_RB_COMBO), 0);

  // The other way round: About ends at once while Settings is open, and opens again.
  PressButton(about, IDOK);
  ASSERT_TRUE(WaitForWindowGone(about, 5000));
  about = OpenAbout(*brimlet);
  ASSERT_NE(about, nullptr) << "no visible About box";
  EXPECT_TRUE(::IsWindowVisible(settings));
  PressButton(about, IDOK);
  PressButton(settings, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(settings, 5000));
}

TEST_F(SettingsTest, NextWheelTurnUsesTheSavedSettings) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  KeyWatcher keys;
  WheelAt(1919, 1079, 120);  // the volume step has read Interval 0 from the file
  ASSERT_TRUE(keys.WaitForCount(1, 5000));

  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  // While the dialog is open the corners keep working with the old settings.
  WheelAt(1919, 1079, 120);
  ASSERT_TRUE(keys.WaitForCount(2, 5000));
  ChooseListItem(dialog, IDC_RB_COMBO, 0);
  DragSliderTo(dialog, IDC_INTERVAL_SLIDER, 1000);
  Confirm(dialog);

  keys.Clear();
  WheelAt(1919, 1079, 120);  // bottom-right is "none" now
  WheelAt(0, 1079, 120);     // bottom-left: volume, but now at most one step a second
  ::Sleep(150);
  WheelAt(0, 1079, 120);
  ::Sleep(150);
  WheelAt(0, 1079, 120);
  ::Sleep(600);
  EXPECT_LE(keys.Count(), 1U) << "the old interval of 0 would have let three keys through";
  for (const DWORD key : keys.KeyDowns()) EXPECT_EQ(key, DWORD{VK_VOLUME_UP});
}

// All or nothing: a save that fails says so, and leaves the file and start at
// logon as they were.
TEST_F(SettingsTest, ReadOnlyConfigShowsSaveFailedAndLeavesStartAtLogon) {
  WriteConfig(L"[Brimlet]\nInterval = 250\n");
  const std::wstring config = m_folder + L"\\config.ini";
  const std::string before = ReadFileBytes(config);
  ASSERT_TRUE(::SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_READONLY));
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ClickCheck(dialog, IDC_SOUND_CHECK);
  ClickCheck(dialog, IDC_AUTORUN_CHECK);
  PressButton(dialog, IDOK);
  EXPECT_EQ(AcceptMessage(*brimlet), L"保存失败");
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
  EXPECT_EQ(ReadFileBytes(config), before);
  EXPECT_FALSE(FileExists(StartupShortcutPath())) << "the shortcut came although nothing was saved";
  ::SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Files as users have them, saved through the dialog: nothing they hold is lost.
TEST_F(SettingsTest, SavingKeepsTextAfterNulAndCtrlZAndReadsUtf8WithoutAMark) {
  using namespace std::string_literals;
  const std::string otherKeys = DiskBytes(ConfigImage().Without(L"Sound").Lines()).substr(3);
  const std::string utf8Note = "; \xE9\x9F\xB3\xE9\x87\x8F\xE4\xB8\x8E\xE4\xBA\xAE\xE5\xBA\xA6 \xE2\x9C\x93\r\n";  // 音量与亮度 ✓
  const struct {
    std::string before;
    std::string after;
  } files[] = {
      {"[Brimlet]\r\nSound = false\r\n[Notes]\r\nA=1\0B=2\r\nC=3\r\n"s,
       "\xEF\xBB\xBF[Brimlet]\r\nSound = true\r\n" + otherKeys + "[Notes]\r\nA=1\0B=2\r\nC=3\r\n"s},
      {"[Brimlet]\r\nSound = false\r\n\x1A[Later]\r\nX=1\r\n",
       "\xEF\xBB\xBF[Brimlet]\r\nSound = true\r\n" + otherKeys + "\x1A[Later]\r\nX=1\r\n"},
      {"[Brimlet]\r\n" + utf8Note + "Sound = false\r\n",
       "\xEF\xBB\xBF[Brimlet]\r\n" + utf8Note + "Sound = true\r\n" + otherKeys},
  };
  auto brimlet = Start();
  for (const auto& file : files) {
    ASSERT_TRUE(WriteFileBytes(brimlet->ConfigPath(), file.before));
    HWND dialog = OpenSettings(*brimlet);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CheckState(dialog, IDC_SOUND_CHECK), BST_UNCHECKED);
    ClickCheck(dialog, IDC_SOUND_CHECK);
    Confirm(dialog);
    EXPECT_EQ(ConfigBytes(), file.after);
  }
}

TEST_F(SettingsTest, CancelAndTheCloseBoxChangeNothing) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ClickCheck(dialog, IDC_AUTORUN_CHECK);
  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(dialog, 5000));

  dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(CheckState(dialog, IDC_AUTORUN_CHECK), BST_UNCHECKED) << "edits of a cancelled dialog are gone";
  ClickCheck(dialog, IDC_AUTORUN_CHECK);
  ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitForWindowGone(dialog, 5000));
  ::Sleep(200);
  EXPECT_EQ(ConfigBytes(), kFirstFile);
  EXPECT_FALSE(FileExists(StartupShortcutPath()));
}

TEST_F(SettingsTest, ExitWhileTheDialogIsOpenEndsTheProgram) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ClickCheck(dialog, IDC_SOUND_CHECK);
  ASSERT_NE(brimlet->OpenMenu(), nullptr);
  brimlet->ChooseMenuItem(2);
  EXPECT_TRUE(brimlet->WaitForExit(10000)) << "Exit from a nested menu did not end the program";
  EXPECT_EQ(ConfigBytes(), kFirstFile) << "the open dialog was not confirmed";
}

// A step size's field shows what will be saved once it loses the focus, read
// by the rule the file is read by, and its arrows step from what it shows.
TEST_F(SettingsTest, StepFieldsShowWhatWillBeSavedAndStepFromIt) {
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  const auto leaves = [&](int field, const wchar_t* typed) {
    TypeInto(dialog, field, typed);
    LeaveField(dialog, field);
    return ControlText(dialog, field);
  };
  EXPECT_EQ(leaves(IDC_VOLUME_STEP_EDIT, L"7"), L"6");
  EXPECT_EQ(leaves(IDC_BRIGHTNESS_STEP_EDIT, L"0"), L"1");
  EXPECT_EQ(leaves(IDC_BRIGHTNESS_STEP_EDIT, L"abc-5"), L"2") << "no number: the default";
  EXPECT_EQ(leaves(IDC_BRIGHTNESS_STEP_EDIT, L""), L"2");

  PressChord({VK_MENU, 'M'});  // the page of the step sizes
  HWND volume = FindControl(dialog, IDC_VOLUME_STEP_EDIT);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(volume) != FALSE; }, 3000));
  TypeInto(dialog, IDC_VOLUME_STEP_EDIT, L"50");
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(volume), TRUE);
  ASSERT_TRUE(WaitUntil(
      [&] {
        GUITHREADINFO front{};
        front.cbSize = sizeof(front);
        return ::GetGUIThreadInfo(0, &front) && front.hwndFocus == volume;
      },
      5000));
  PressKey(VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, IDC_VOLUME_STEP_EDIT) == L"18"; }, 2000))
      << "50 is taken as 20, one step down is 18";
  Confirm(dialog);
  EXPECT_NE(ConfigBytes().find("VolumeStep = 18\r\nBrightnessStep = 2\r\n"), std::string::npos);
}

// The Keys page: a key pressed in a field is taken with its modifiers and
// shown by its name (Win too); one that would take typing is not; keys that
// move around the dialog (Ctrl+Tab, Alt with an access key) move and leave the
// fields alone. A key another program holds is named in a box after the save.
TEST_F(SettingsTest, TheKeysPageTakesKeysPressedAndNamesAKeyTaken) {
  WriteConfig(L"[Brimlet]\nBrightnessDownKey = Win+Down\n");
  auto brimlet = Start();
  HWND dialog = OpenSettings(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 5000));
  const auto shows = [&](int control) {
    return WaitUntil([&] { return ::IsWindowVisible(FindControl(dialog, control)) != FALSE; }, 3000);
  };
  const auto pressIn = [&](int field, std::initializer_list<WORD> keys) {
    const POINT centre = ControlCentre(dialog, field);
    ClickAt(centre.x, centre.y);
    PressChord(keys);
  };
  PressChord({VK_MENU, 'K'});
  ASSERT_TRUE(shows(IDC_BRIGHTER_KEY));
  EXPECT_EQ(ControlText(dialog, IDC_DARKER_KEY), L"Win+Down");
  ChooseListItem(dialog, IDC_HELD_KEY_COMBO, 5);  // none, Ctrl, Alt, Shift, Win, Ctrl+Alt, ...
  ChooseListItem(dialog, IDC_HELD_ACTION_COMBO, 1);
  pressIn(IDC_BRIGHTER_KEY, {VK_CONTROL, VK_MENU, VK_UP});
  ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, IDC_BRIGHTER_KEY) == L"Ctrl+Alt+Up"; }, 3000));
  PressKey('A');
  PressChord({VK_CONTROL, VK_TAB});
  ASSERT_TRUE(shows(IDC_AUTORUN_CHECK)) << "Ctrl+Tab goes round to the first page";
  PressChord({VK_MENU, 'K'});
  ASSERT_TRUE(shows(IDC_BRIGHTER_KEY));
  pressIn(IDC_BRIGHTER_KEY, {VK_MENU, 'O'});
  ASSERT_TRUE(shows(IDC_IGNORE_EDIT)) << "Alt+O chooses the programs";
  EXPECT_EQ(ControlText(dialog, IDC_BRIGHTER_KEY), L"Ctrl+Alt+Up") << "a key meant for the dialog reached the field";
  PressChord({VK_MENU, 'K'});
  ASSERT_TRUE(shows(IDC_DARKER_KEY));
  pressIn(IDC_DARKER_KEY, {VK_CONTROL, VK_MENU, VK_F9});
  ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, IDC_DARKER_KEY) == L"Ctrl+Alt+F9"; }, 3000));
  // Held by another program from now on (once held, the key would reach that program alone).
  HWND other = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(::RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, VK_F9)) << "the other program's key";
  PressButton(dialog, IDOK);
  EXPECT_EQ(AcceptMessage(*brimlet), L"以下快捷键未生效：\nBrightnessDownKey = Ctrl+Alt+F9：已被其他程序占用");
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
  const std::string saved = ConfigBytes();
  EXPECT_NE(saved.find("[Brimlet]\r\nBrightnessDownKey = Ctrl+Alt+F9\r\n"), std::string::npos) << "in its own place";
  EXPECT_NE(saved.find("KeyWheel = Ctrl+Alt\r\nKeyWheelAction = 2\r\nBrightnessUpKey = Ctrl+Alt+Up\r\n"),
            std::string::npos);
  ::UnregisterHotKey(other, 1);
  ::DestroyWindow(other);
}

}  // namespace
