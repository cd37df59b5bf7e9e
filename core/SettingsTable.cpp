#include "core/SettingsTable.h"

#include <algorithm>

#include "core/IniText.h"
#include "core/KeyNames.h"
#include "core/Language.h"
#include "core/SettingsRules.h"
#include "core/ValueText.h"
#include "core/WheelActions.h"
#include "res/resource.h"

namespace {

constexpr SettingRow Flag(const wchar_t* key, bool Settings::*member, const wchar_t* byDefault, int checkBox) {
  return {key, member, nullptr, nullptr, byDefault, nullptr, {}, true, true, {ControlKind::CheckBox, checkBox}};
}
constexpr SettingRow Number(const wchar_t* key, int32_t Settings::*member, const wchar_t* byDefault,
                            SettingControl control, NumberRange range = {}) {
  return {key, nullptr, member, nullptr, byDefault, nullptr, range, true, true, control};
}
constexpr SettingRow Text(const wchar_t* key, std::wstring Settings::*member, int control,
                          ControlKind kind = ControlKind::TextBox) {
  return {key, nullptr, nullptr, member, L"", nullptr, {}, true, true, {kind, control}};
}

// An action offered on a held key; anything else the default, volume: a held
// key never keeps turns from the windows to do nothing with them.
int32_t ParseKeyWheelAction(std::wstring_view text) {
  const WheelAction* action = ActionOf(ParseInt32(text));
  return action != nullptr && (action->offered & kOfferedOnHeldKey) != 0 ? action->code : kActionVolume;
}

constexpr SettingRow Action(const wchar_t* key, int32_t Settings::*member, const wchar_t* byDefault, int list) {
  return Number(key, member, byDefault, {ControlKind::ActionList, list});
}

constexpr SettingRow kSettingRows[] = {
    // Whether the program starts at logon is whether its shortcut exists: written
    // for the user's information only, never read.
    SettingRow{L"AutoRun", &Settings::startAtLogon, nullptr, nullptr, L"false", nullptr, {}, false, true,
               {ControlKind::CheckBox, IDC_AUTORUN_CHECK}}
        .Documented(Doc(L"written for your information only: whether Brimlet starts at logon is whether its "
                        L"shortcut exists (see below)",
                        L"—", L"`true`, `false`", L"仅作记录；是否开机启动以快捷方式为准",
                        L"for information only; the shortcut decides")),
    Flag(L"Sound", &Settings::stepSound, L"false", IDC_SOUND_CHECK)
        .Documented(Doc(L"play a short sound after each volume step", L"`false`", L"boolean", L"音量调节后播放提示音",
                        L"play a sound after each volume step")),
    Flag(L"DisableFunctionWhenFullScreen", &Settings::pauseInFullScreen, L"true", IDC_FULLSCREEN_CHECK)
        .Documented(Doc(L"ignore the corners, the taskbar and the edges while a full-screen window is in front", L"`true`",
                        L"boolean", L"全屏程序在前台时不起作用", L"pause while a full-screen program is in front")),
    Action(L"LTControll", &Settings::topLeft, L"2", IDC_LT_COMBO)
        .Documented(Doc(L"action of the top-left corner (the corner keys are spelled with a double \"ll\")", L"`2`",
                        L"`0` none, `1` volume, `2` brightness; any other number claims the corner but does nothing",
                        L"左上角：0 无，1 音量，2 亮度", L"top-left corner: 0 none, 1 volume, 2 brightness")),
    Action(L"LBControll", &Settings::bottomLeft, L"1", IDC_LB_COMBO)
        .Documented(Doc(L"action of the bottom-left corner", L"`1`", L"as `LTControll`", L"左下角：同上",
                        L"bottom-left corner: as above")),
    Action(L"RTControll", &Settings::topRight, L"2", IDC_RT_COMBO)
        .Documented(Doc(L"action of the top-right corner", L"`2`", L"as `LTControll`", L"右上角：同上",
                        L"top-right corner: as above")),
    Action(L"RBControll", &Settings::bottomRight, L"1", IDC_RB_COMBO)
        .Documented(Doc(L"action of the bottom-right corner", L"`1`", L"as `LTControll`", L"右下角：同上",
                        L"bottom-right corner: as above")),
    Number(L"Interval", &Settings::volumeInterval, L"100",
           {ControlKind::IntervalSlider, IDC_INTERVAL_SLIDER, IDC_INTERVAL_TEXT})
        .Documented(Doc(L"least milliseconds between two volume steps", L"`100`",
                        L"a whole number; 0 or less lets every turn through. The Settings slider offers 10 to 1000 in "
                        L"steps of 5 and keeps any other value you wrote until you move it",
                        L"两次音量调节之间的最短毫秒数", L"least milliseconds between two volume steps")),
    Flag(L"AllScreens", &Settings::allScreens, L"false", IDC_ALLSCREENS_CHECK)
        .Documented(Doc(L"corners and edges on every monitor, not only the primary one", L"`false`", L"boolean",
                        L"true：每个显示器都有四个角落和四条边缘", L"true: corners and edges on every monitor")),
    Text(L"IgnorePrograms", &Settings::ignorePrograms, IDC_IGNORE_EDIT)
        .Documented(Doc(L"programs in front of which no zone and no held key acts: the wheel and clicks pass "
                        L"unchanged (a game that uses the screen's edges)",
                        L"empty",
                        L"file names such as `game.exe; editor.exe`, or paths (`\"C:\\Games\\Game.exe\"`, with or "
                        L"without quotes) that count by their last part, separated by `;` or `,` outside quotes, "
                        L"blanks around them ignored; a name without an extension also names its `.exe`; compared as "
                        L"file names are, without regard to case, with the program of the window in front",
                        L"这些程序在前台时四角不起作用，\n如 game.exe; editor.exe（以 ; 或 , 分隔）",
                        L"no corner acts while one of these is in front,\ne.g. game.exe; editor.exe (separated by ; or ,)")),
    Text(L"ActInFullScreen", &Settings::actInFullScreen, IDC_ACT_EDIT)
        .Documented(Doc(L"programs whose full-screen windows do not pause the zones (a video player), while "
                        L"`DisableFunctionWhenFullScreen` stays the rule for the others",
                        L"empty", L"as `IgnorePrograms`", L"这些程序全屏时四角照常起作用，如 player.exe",
                        L"full-screen windows of these pause nothing, e.g. player.exe")),
    Flag(L"MiddleClickMute", &Settings::middleClickMute, L"false", IDC_MUTE_CHECK)
        .Documented(Doc(L"a middle click in a volume corner mutes (one press of the mute key) and reaches no window, "
                        L"its release neither; elsewhere, in a brightness corner, and with this off, middle clicks "
                        L"pass unchanged",
                        L"`false`", L"boolean", L"true：在音量角单击鼠标中键即静音",
                        L"true: a middle click in a volume corner mutes")),
    // Each press of the volume key moves the volume by 2 %.
    Number(L"VolumeStep", &Settings::volumeStep, L"2",
           {ControlKind::NumberBox, IDC_VOLUME_STEP_EDIT, IDC_VOLUME_STEP_SPIN}, {2, 20, 2})
        .Documented(Doc(L"percent of volume per notch: each notch sends `VolumeStep / 2` presses of the volume key "
                        L"at once (each moves the volume by 2, and Windows shows its own volume indicator)",
                        L"`2`",
                        L"an even number from 2 to 20: an odd one rounds down, a number outside is taken at the nearer "
                        L"end (`30` is 20, `1` is 2); text that is no number, and an empty value, is 2. The Settings "
                        L"dialog reads what is typed by the same rule",
                        L"每格音量变化的百分比，2 到 20 的偶数", L"percent per notch, even, 2 to 20")),
    Number(L"BrightnessStep", &Settings::brightnessStep, L"2",
           {ControlKind::NumberBox, IDC_BRIGHTNESS_STEP_EDIT, IDC_BRIGHTNESS_STEP_SPIN}, {1, 20, 1})
        .Documented(Doc(L"percent of brightness per notch: a panel goes to the next level it supports at least that "
                        L"far, a DDC/CI monitor by that share of its own range",
                        L"`2`",
                        L"1 to 20: a number outside is taken at the nearer end; text that is no number, and an empty "
                        L"value, is 2",
                        L"每格亮度变化的百分比，1 到 20", L"percent per notch, 1 to 20")),
    Action(L"Taskbar", &Settings::taskbar, L"0", IDC_TASKBAR_COMBO)
        .Documented(Doc(L"action of the wheel over a taskbar, on every monitor", L"`0`",
                        L"`0` none, `1` volume, `2` brightness (of the taskbar's monitor)",
                        L"任务栏：0 无，1 音量，2 亮度（该任务栏所在的显示器）",
                        L"over a taskbar: 0 none, 1 volume, 2 brightness (of its monitor)")),
    Action(L"LeftEdge", &Settings::leftEdge, L"0", IDC_LEFT_EDGE_COMBO)
        .Documented(Doc(L"action of the wheel on the outermost pixel column of the primary monitor (of every monitor "
                        L"with `AllScreens`) where no other monitor adjoins",
                        L"`0`", L"as `Taskbar`; a corner with an action keeps it",
                        L"左边缘：0 无，1 音量，2 亮度；设有操作的角落优先",
                        L"on the left edge: 0 none, 1 volume, 2 brightness;\na corner with an action comes first")),
    Action(L"RightEdge", &Settings::rightEdge, L"0", IDC_RIGHT_EDGE_COMBO)
        .Documented(Doc(L"as `LeftEdge`, on the right", L"`0`", L"as `LeftEdge`", L"右边缘：同上",
                        L"on the right edge: as above")),
    Action(L"TopEdge", &Settings::topEdge, L"0", IDC_TOP_EDGE_COMBO)
        .Documented(Doc(L"as `LeftEdge`, on the outermost pixel row at the top", L"`0`", L"as `LeftEdge`",
                        L"上边缘：同上", L"on the top edge: as above")),
    Action(L"BottomEdge", &Settings::bottomEdge, L"0", IDC_BOTTOM_EDGE_COMBO)
        .Documented(Doc(L"as `TopEdge`, at the bottom", L"`0`", L"as `LeftEdge`", L"下边缘：同上",
                        L"on the bottom edge: as above")),
    SettingRow{L"KeyWheel", nullptr, nullptr, &Settings::keyWheel, L"", nullptr, {}, true, true,
               {ControlKind::HeldKeyList, IDC_HELD_KEY_COMBO}, &Settings::keyWheelModifiers}
        .Documented(Doc(L"the modifiers to hold for the wheel to act anywhere", L"empty: none",
                        L"`Ctrl`, `Alt`, `Shift`, `Win` joined by `+` (`Ctrl+Shift`), any case; a text that names "
                        L"none (an unknown name, one named twice) turns it off",
                        L"按住这些键时在任何位置转动滚轮即可调节，\n如 Ctrl、Alt+Shift（Ctrl、Alt、Shift、Win 以 + 连接）",
                        L"hold these to turn the wheel anywhere, e.g. Ctrl or\nAlt+Shift (Ctrl, Alt, Shift, Win joined by +)")),
    SettingRow{L"KeyWheelAction", nullptr, &Settings::keyWheelAction, nullptr, L"1", &ParseKeyWheelAction, {}, true,
               true, {ControlKind::HeldActionList, IDC_HELD_ACTION_COMBO}}
        .Documented(Doc(L"what the wheel does with the key held", L"`1`",
                        L"`1` volume, `2` brightness of the monitor under the pointer; anything else is 1",
                        L"按住上述键时：1 音量，2 指针所在显示器的亮度",
                        L"with them held: 1 volume, 2 brightness under the pointer")),
    Text(L"BrightnessUpKey", &Settings::brightnessUpKey, IDC_BRIGHTER_KEY, ControlKind::HotKeyField)
        .Documented(Doc(L"a key that steps the brightness of the monitor under the pointer up", L"empty: none",
                        L"modifiers and one key, joined by `+` (`Ctrl+Alt+Up`): a letter, a digit, `F1`-`F24`, `Up`, "
                        L"`Down`, `Left`, `Right`, `PageUp`, `PageDown`, `Home`, `End`, `Insert`, `Delete`, `Plus`, "
                        L"`Minus`; any case. With `Ctrl`, `Alt` or `Win` (`F13`-`F24` may stand alone); not `Alt+F4`, "
                        L"`Ctrl+Alt+Delete`, `Win+L`",
                        L"调亮指针所在显示器的快捷键，如 Ctrl+Alt+Up；\n须含 Ctrl、Alt 或 Win（F13–F24 可单独使用）",
                        L"a key for brighter under the pointer, e.g. Ctrl+Alt+Up;\nwith Ctrl, Alt or Win (F13-F24 may stand alone)")),
    Text(L"BrightnessDownKey", &Settings::brightnessDownKey, IDC_DARKER_KEY, ControlKind::HotKeyField)
        .Documented(Doc(L"a key that steps it down", L"empty: none", L"as `BrightnessUpKey`, and another key",
                        L"调暗的快捷键，如 Ctrl+Alt+Down", L"a key for darker, e.g. Ctrl+Alt+Down")),
    // Not in the Settings dialog, which keeps them as it keeps every key it does not know.
    SettingRow{L"BrightnessIndicator", &Settings::brightnessIndicator, nullptr, nullptr, L"true", nullptr, {}, true,
               false, {}}
        .Documented(Doc(L"show the level after each brightness step (not in the Settings dialog, which keeps it as "
                        L"it is)",
                        L"`true`", L"boolean", L"调节亮度后在角落附近显示亮度",
                        L"show the level near the corner after a brightness step")),
    SettingRow{L"Language", nullptr, &Settings::language, nullptr, L"", &ParseLanguageChoice, {}, true, false, {}}
        .Documented(Doc(L"the language Brimlet speaks (not in the Settings dialog, which keeps it as it is)",
                        L"automatic: Chinese where Windows speaks any Chinese, else English",
                        L"`zh`, `en`; anything else is automatic", L"zh 中文，en 英文；留空则跟随 Windows 的语言",
                        L"zh Chinese, en English; empty: as Windows speaks")),
    SettingRow{L"AppKeyWheel", nullptr, nullptr, &Settings::appKeyWheel, L"", nullptr, {}, true, true,
               {ControlKind::HeldKeyList, IDC_APP_KEY_COMBO}, &Settings::appKeyWheelModifiers}
        .Documented(Doc(L"the modifiers to hold for the wheel to step the volume of the program under the pointer "
                        L"by `VolumeStep`, and a middle click to mute or unmute it. The program is the one whose "
                        L"window is under the pointer (for a Store app, the app in its frame); its sound is every "
                        L"audio session of that program's file name on every output, all set to the highest of their "
                        L"levels plus the step. A step unmutes, as the volume keys do. It comes before `KeyWheel` "
                        L"when both name the same keys; `IgnorePrograms` stops it, full screen does not",
                        L"empty: none", L"as `KeyWheel`",
                        L"按住这些键时转动滚轮，调节指针下程序的音量；\n按中键静音或取消静音（取值同 KeyWheel）",
                        L"hold these to turn the wheel for the volume of the program\nunder the pointer, "
                        L"a middle click mutes it (as KeyWheel)")),
    // Not in the Settings dialog, as BrightnessIndicator.
    SettingRow{L"LevelIndicator", &Settings::levelIndicator, nullptr, nullptr, L"true", nullptr, {}, true, false, {}}
        .Documented(Doc(L"show the program's name and new level on the monitor under the pointer after each step "
                        L"of a program's volume (not in the Settings dialog, which keeps it as it is)",
                        L"`true`", L"boolean", L"调节程序音量后在指针所在显示器上显示程序名和音量",
                        L"show the program and its level after a step of its volume")),
    Text(L"OutputKey", &Settings::outputKey, IDC_OUTPUT_KEY, ControlKind::HotKeyField)
        .Documented(Doc(L"a key that makes the next output Windows' default for every role (console, multimedia, "
                        L"communications): the next of `OutputDevices` present now when that is set, else the next "
                        L"active output in Windows' order, round after the last; the new one shows on the monitor "
                        L"under the pointer. A program given its own output in Windows' settings stays on that one. "
                        L"Where Windows cannot switch outputs, the key is reported as not working",
                        L"empty: none", L"as `BrightnessUpKey`, and a key of its own",
                        L"切换到下一个输出设备的快捷键，如 Ctrl+Alt+O",
                        L"a key for the next output device, e.g. Ctrl+Alt+O")),
    Text(L"OutputDevices", &Settings::outputDevices, IDC_OUTPUT_LIST, ControlKind::OutputList)
        .Documented(Doc(L"the outputs `OutputKey` goes round, in this order; names not present now are skipped",
                        L"empty: every output",
                        L"device names as Windows shows them (`Speakers (Realtek Audio)`), separated by `|`, "
                        L"matched without regard to case. The Settings dialog lists the outputs there are to tick, "
                        L"and keeps the names of those absent now",
                        L"切换键轮流使用的输出设备名称，以 | 分隔；\n留空则轮流使用全部输出设备",
                        L"outputs the key goes round, separated by |;\nempty: every output")),
};

void Assign(Settings& settings, const SettingRow& row, std::wstring_view text) {
  if (row.flag != nullptr) {
    settings.*row.flag = ParseBool(text);
  } else if (row.number != nullptr) {
    settings.*row.number = ReadNumber(row, text);
  } else {
    settings.*row.text = text;
    if (row.modifiers != nullptr) settings.*row.modifiers = ParseModifiers(text);
  }
}

std::wstring ValueText(const Settings& settings, const SettingRow& row) {
  if (row.flag != nullptr) return FormatBool(settings.*row.flag);
  if (row.number != nullptr) return FormatInt32(settings.*row.number);
  return OneLineValue(settings.*row.text);  // a line break would start a line of its own in the file
}

}  // namespace

std::span<const SettingRow> SettingRows() { return kSettingRows; }

int32_t NumberWithin(const SettingRow& row, int64_t value) {
  const NumberRange& range = row.range;
  if (range.step <= 0) return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
  const int64_t within = std::clamp<int64_t>(value, range.minimum, range.maximum);
  return static_cast<int32_t>(within - (within - range.minimum) % range.step);
}

bool RowActs(const SettingRow& row, const Settings& settings) {
  switch (row.control.kind) {
    case ControlKind::ActionList:
      return settings.*row.number != kActionNone;
    case ControlKind::HeldKeyList:
      return settings.*row.modifiers != 0;
    case ControlKind::HotKeyField:
      return ParseHotKey(settings.*row.text).key != 0;
    case ControlKind::OutputList:
      return false;
    default:
      return false;
  }
}

int32_t ReadNumber(const SettingRow& row, std::wstring_view text) {
  if (row.range.step <= 0) return row.parse != nullptr ? row.parse(text) : ParseInt32(text);
  int32_t value = 0;
  if (!ParseNumber(text, value)) ParseNumber(row.defaultText, value);
  return NumberWithin(row, value);
}

Settings::Settings() {
  for (const SettingRow& row : kSettingRows) Assign(*this, row, row.defaultText);
}

Settings SettingsFromText(std::wstring_view text, bool autoRun) {
  Settings settings;
  for (const SettingRow& row : kSettingRows) {
    if (row.read) Assign(settings, row, ini::GetValue(text, row.key, row.defaultText));
  }
  settings.startAtLogon = autoRun;
  return settings;
}

void WriteSettingsText(std::wstring& text, const Settings& settings, KeysWritten keys) {
  constexpr std::wstring_view kMissing = L"\n";  // no value read from a file holds a line break
  for (const SettingRow& row : kSettingRows) {
    if (row.written) {
      ini::SetValue(text, row.key, ValueText(settings, row));
    } else if (keys == KeysWritten::Every && ini::GetValue(text, row.key, kMissing) == kMissing) {
      ini::SetValue(text, row.key, row.defaultText);
    }
  }
}
