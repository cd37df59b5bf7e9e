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

// CB_ADDSTRING for the template's initialisation data; the resource compiler's
// headers leave the message numbers out.
#define DLGINIT_CB_ADDSTRING 0x0143
