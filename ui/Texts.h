#pragma once
// Every text the program shows, from its resources, in the language it speaks:
// Chinese (Simplified) or English, chosen explicitly by resource id, never left
// to the system's fallback.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/KeyNames.h"

#include "framework/Dialog.h"
#include "res/resource.h"

enum class TextId : UINT {
  MenuSettings = IDS_MENU_SETTINGS,
  MenuAbout = IDS_MENU_ABOUT,
  MenuExit = IDS_MENU_EXIT,
  ErrorCaption = IDS_ERROR_CAPTION,
  PointerFailed = IDS_POINTER_FAILED,
  HookFailed = IDS_HOOK_FAILED,
  WindowFailed = IDS_WINDOW_FAILED,
  Tip = IDS_TIP,
  TipNoHook = IDS_TIP_NO_HOOK,
  BrightnessLevel = IDS_BRIGHTNESS_LEVEL,  // "{}" stands for the number
  IntervalName = IDS_INTERVAL_NAME,
  NoCornerAction = IDS_NO_CORNER_ACTION,
  SaveFailed = IDS_SAVE_FAILED,
  CornerNone = IDS_CORNER_NONE,  // the corner lists' items, in action-code order
  CornerVolume = IDS_CORNER_VOLUME,
  CornerBrightness = IDS_CORNER_BRIGHTNESS,
  DialogFont = IDS_DIALOG_FONT,
  DialogFontWeight = IDS_DIALOG_FONT_WEIGHT,
  NoticeTitle = IDS_NOTICE_TITLE,  // the first start's notice
  NoticeText = IDS_NOTICE_TEXT,
  UnreadableTitle = IDS_UNREADABLE_TITLE,  // config.ini could not be read at start
  UnreadableText = IDS_UNREADABLE_TEXT,
  KeysTaken = IDS_KEYS_TAKEN,  // "{}" stands for the faults, a line each
  KeyTaken = IDS_KEY_TAKEN,    // a fault: "{}" stands for "BrightnessUpKey = A"
  KeyUnknown = IDS_KEY_UNKNOWN,
  KeyNeedsModifier = IDS_KEY_NEEDS_MODIFIER,
  KeyReserved = IDS_KEY_RESERVED,
  KeyDoubled = IDS_KEY_DOUBLED,
  SettingsHeld = IDS_SETTINGS_HELD,  // Settings was chosen while config.ini cannot be read
  UnknownValue = IDS_UNKNOWN_VALUE,  // a value from the file the dialog cannot show; "{}" stands for it
  ProgramLevel = IDS_PROGRAM_LEVEL,  // "{}" for the program's name, then for its level
  ProgramMuted = IDS_PROGRAM_MUTED,
  ProgramSilent = IDS_PROGRAM_SILENT,  // the program under the pointer plays nothing
  MenuOutput = IDS_MENU_OUTPUT,        // the tray menu's submenu of outputs
  CannotSwitchOutputs = IDS_CANNOT_SWITCH_OUTPUTS,
  NoOutputs = IDS_NO_OUTPUTS,
  OutputNow = IDS_OUTPUT_NOW,        // "{}" for the output that is the default now
  OutputAbsent = IDS_OUTPUT_ABSENT,  // an output of the list not present now
};

class Texts {
 public:
  explicit Texts(bool chinese = true) : m_chinese(chinese) {}

  bool chinese() const { return m_chinese; }
  std::wstring operator()(TextId id) const;
  // The text with `value` in the place of its "{}", and `next` in that of the one after.
  std::wstring Filled(TextId id, std::wstring_view value, std::wstring_view next = {}) const;
  // "亮度 52%" or "Brightness 52%".
  std::wstring BrightnessLevel(int32_t percent) const;
  // "Firefox 52%", "Firefox muted", "Firefox plays no sound".
  std::wstring ProgramLevel(std::wstring_view program, int32_t percent, bool muted, bool plays) const;
  // The keys that do not work, a line each with its cause, under a heading.
  std::wstring KeyFaults(const std::vector<KeyFault>& faults) const;
  // Where the dialogs take their texts and font from.
  DialogLanguage ForDialogs() const;

 private:
  UINT Base() const { return m_chinese ? IDS_CHINESE : IDS_ENGLISH; }

  bool m_chinese;
};
