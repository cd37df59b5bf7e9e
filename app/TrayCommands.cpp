#include "app/TrayCommands.h"

#include <windows.h>

#include "ui/about/AboutDlg.h"
#include "ui/settings/SettingsDlg.h"

void RunTrayCommand(int command) {
  AboutDlg about;
  SettingsDlg settings;
  switch (command) {
    case IDM_EXIT:
      // WM_USER ends the tray loop; the quit request ends any modal loop that is open.
      ::PostMessageW(nullptr, WM_USER, 0, 0);
      ::PostQuitMessage(0);
      break;
    case IDM_SETTINGS:
      settings.DoModal();
      break;
    case IDM_ABOUT:
      about.DoModal();
      break;
    default:
      break;
  }
}
