#pragma once
// The tray menu: the outputs (a submenu listing every active output, the
// default checked: choosing one makes it the default; read anew each time the
// menu opens), Settings, About, a separator, Exit. It opens from the icon by
// a right click or from the keyboard (Enter, Shift+F10, the menu key), one at a
// time; the WM_CONTEXTMENU that follows a right click's own menu asks for
// nothing new; Esc gives the focus back to the notification area; and when the
// program is to end while the menu is open, the menu closes first and answers
// Exit, since its own loop would swallow a quit request.
#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "app/TrayIcon.h"
#include "core/Outputs.h"
#include "devices/Devices.h"
#include "framework/UniqueHandle.h"
#include "ui/Texts.h"

inline constexpr int kExitCommand = 0x1000;
inline constexpr int kSettingsCommand = 0x1001;
inline constexpr int kAboutCommand = 0x1002;
inline constexpr int kFirstOutputCommand = 0x1100;  // the outputs', in the submenu's order
inline constexpr int kMostOutputs = 64;

class TrayMenu {
 public:
  // `outputs` lists the outputs when the menu opens.
  TrayMenu(const Texts& texts, TrayIcon& icon, Outputs& outputs) : m_texts(texts), m_icon(icon), m_outputs(outputs) {}

  // The icon's callback, version 4: `event` is the low word of its lParam,
  // `iconAt` the icon's place from its wParam. Opens the menu where the event
  // asks for it, owned by `owner`, a top-level window that can come to the
  // front (only then does the menu close when the user clicks elsewhere).
  // The command chosen, or 0.
  int OnIconEvent(UINT event, POINT iconAt, HWND owner);
  // The program is to end: false when no menu is open (it may end now);
  // otherwise the menu closes and answers Exit.
  bool CloseForExit();
  // The output of a command the menu answered with; empty for another command.
  std::wstring OutputOf(int command) const;

  // The menu's items, in the language spoken, with `outputs`, which can be
  // chosen where `canSwitch`; null if it cannot be created.
  static UniqueMenu Build(const Texts& texts, std::span<const OutputDevice> outputs = {}, bool canSwitch = false);

 private:
  int Open(POINT at, HWND owner, bool byRightClick);

  const Texts& m_texts;
  TrayIcon& m_icon;
  Outputs& m_outputs;
  std::vector<OutputDevice> m_listed;  // the outputs the menu showed last
  bool m_open = false;
  bool m_exitAsked = false;
  ULONGLONG m_rightClickMenuClosedAt = 0;
};
