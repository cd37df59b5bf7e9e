#pragma once
// Resource identifiers, shared by the resource script and the code.

#define IDI_APP 311

// One template per dialog. Its texts come from the string table of the
// language spoken: control id c shows string IDS_CHINESE + c or IDS_ENGLISH + c,
// and the caption is the string of the template's own id.
#define IDD_ABOUT 100
#define IDC_VERSION_TEXT 1000
#define IDC_LINK_MAIL 1001
#define IDC_LINK_WEB 1002
#define IDC_ABOUT_NAME 1003
#define IDC_ABOUT_LINE 1004
#define IDC_ABOUT_ICON 311

// The Settings dialog: its tabs, OK and Cancel, and a template per page.
#define IDD_SETTINGS 313
#define IDD_PAGE_GENERAL 314
#define IDD_PAGE_ZONES 315
#define IDD_PAGE_VOLUME_BRIGHTNESS 316
#define IDD_PAGE_PROGRAMS 317
#define IDC_SETTINGS_TABS 1070
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
#define IDC_GENERAL_GROUP 1040
#define IDC_CORNERS_GROUP 1041
#define IDC_INTERVAL_GROUP 1042
#define IDC_LT_LABEL 1043
#define IDC_RT_LABEL 1044
#define IDC_LB_LABEL 1045
#define IDC_RB_LABEL 1046
#define IDC_MUTE_CHECK 1050
#define IDC_VOLUME_STEP_LABEL 1051
#define IDC_VOLUME_STEP_EDIT 1052
#define IDC_VOLUME_STEP_SPIN 1053
#define IDC_BRIGHTNESS_STEP_LABEL 1054
#define IDC_BRIGHTNESS_STEP_EDIT 1055
#define IDC_BRIGHTNESS_STEP_SPIN 1056
#define IDC_PROGRAMS_GROUP 1057
#define IDC_IGNORE_LABEL 1058
#define IDC_IGNORE_EDIT 1059
#define IDC_ACT_LABEL 1060
#define IDC_ACT_EDIT 1061
#define IDC_PROGRAMS_HINT 1062
#define IDC_SCREENS_GROUP 1071
#define IDC_VOLUME_GROUP 1072
#define IDC_BRIGHTNESS_GROUP 1073

// Strings: the Chinese text at IDS_CHINESE + n, the English one at IDS_ENGLISH + n.
// n is a control's or a dialog's id (above, and IDOK, IDCANCEL), or one of these.
#define IDS_CHINESE 10000
#define IDS_ENGLISH 20000
#define IDS_MENU_SETTINGS 20
#define IDS_MENU_ABOUT 21
#define IDS_MENU_EXIT 22
#define IDS_ERROR_CAPTION 23
#define IDS_POINTER_FAILED 24
#define IDS_HOOK_FAILED 25
#define IDS_WINDOW_FAILED 26
#define IDS_TIP 27
#define IDS_TIP_NO_HOOK 28
#define IDS_BRIGHTNESS_LEVEL 29
#define IDS_INTERVAL_NAME 30
#define IDS_NO_CORNER_ACTION 31
#define IDS_SAVE_FAILED 32
#define IDS_CORNER_NONE 33
#define IDS_CORNER_VOLUME 34
#define IDS_CORNER_BRIGHTNESS 35
#define IDS_DIALOG_FONT 36
#define IDS_DIALOG_FONT_WEIGHT 37
#define IDS_NOTICE_TITLE 38
#define IDS_NOTICE_TEXT 39
#define IDS_UNREADABLE_TITLE 40
#define IDS_UNREADABLE_TEXT 41
