#pragma once
// Resource identifiers, shared by the resource script and the code.

#define IDI_APP 311

#define IDD_ABOUT 100
#define IDC_VERSION_TEXT 1000
#define IDC_LINK_MAIL 1001
#define IDC_LINK_WEB 1002
#define IDC_ABOUT_ICON 311

#define IDD_SETTINGS 313
#define IDC_AUTORUN_CHECK 1018
#define IDC_SOUND_CHECK 1023
#define IDC_FULLSCREEN_CHECK 1024
#define IDC_INTERVAL_SLIDER 1025
#define IDC_INTERVAL_TEXT 1026
#define IDC_LT_COMBO 1029
#define IDC_LB_COMBO 1030
#define IDC_RT_COMBO 1031
#define IDC_RB_COMBO 1032
#define IDC_ALLSCREENS_CHECK 1033

// The English templates: the Chinese template's id + 1000.
#define IDD_ENGLISH_OFFSET 1000
#define IDD_ABOUT_EN 1100
#define IDD_SETTINGS_EN 1313

// Strings: the Chinese text at IDS_CHINESE + n, the English one at IDS_ENGLISH + n.
#define IDS_CHINESE 2000
#define IDS_ENGLISH 3000
#define IDS_MENU_SETTINGS 1
#define IDS_MENU_ABOUT 2
#define IDS_MENU_EXIT 3
#define IDS_ERROR_CAPTION 4
#define IDS_POINTER_FAILED 5
#define IDS_HOOK_FAILED 6
#define IDS_WINDOW_FAILED 7
#define IDS_TIP 8
#define IDS_TIP_NO_HOOK 9
#define IDS_BRIGHTNESS_LEVEL 10
#define IDS_INTERVAL_NAME 11
#define IDS_NO_CORNER_ACTION 12
#define IDS_SAVE_FAILED 13

// CB_ADDSTRING for the template's initialisation data; the resource compiler's
// headers leave the message numbers out.
#define DLGINIT_CB_ADDSTRING 0x0143
