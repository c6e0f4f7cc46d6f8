// Resource and control ids, shared by the code and tollwick.rc.
#pragma once

// Dialog templates
#define IDD_ABOUT 100
#define IDD_DIALER 102
#define IDD_UNKNOWN_NUMBER 132
#define IDD_CONTACT 134
#define IDD_CALL_HISTORY 136

// Main window controls
#define IDC_DIAL 1001
#define IDC_DIGIT_0 1002
#define IDC_DIGIT_1 1003
#define IDC_DIGIT_2 1004
#define IDC_DIGIT_3 1005
#define IDC_DIGIT_4 1006
#define IDC_DIGIT_5 1007
#define IDC_DIGIT_6 1008
#define IDC_DIGIT_7 1009
#define IDC_DIGIT_8 1010
#define IDC_DIGIT_9 1011
#define IDC_STAR 1012
#define IDC_HASH 1013
#define IDC_CLEAR 1014
#define IDC_CONTACT_LIST 1020
#define IDC_DELETE 1027
#define IDC_NEW 1028
#define IDC_EDIT 1029
#define IDC_ENTER 1032
#define IDC_CREDITS 1033
#define IDC_END 1036

// Call history controls
#define IDC_HISTORY_LIST 1040
#define IDC_HISTORY_COPY 1041
#define IDC_HISTORY_DELETE 1042
#define IDC_HISTORY_CLEAR 1043

// Contact dialog controls
#define IDC_NAME 1023
#define IDC_NUMBER 1024
#define IDC_CALLS 1025
#define IDC_JUST_DIAL 1026

// Commands that menus and keys run besides the buttons
#define ID_IMPORT 1100
#define ID_FIND_AS_YOU_TYPE 1101
#define ID_PASTE 1102
#define ID_COPY 1103
#define ID_COPY_NUMBER 1104
#define ID_DIAL_CONTACT 1105
#define ID_EXPORT 1106
#define ID_CALL_HISTORY 1107

// Items of the window's system menu: multiples of 16 below 0xF000, as the
// system wants its menu's ids
#define IDM_SYSTEM_IMPORT 0x0200
#define IDM_SYSTEM_EXPORT 0x0210
#define IDM_SYSTEM_CALL_HISTORY 0x0220
#define IDM_SYSTEM_FIND_AS_YOU_TYPE 0x0230
#define IDM_SYSTEM_ABOUT 0x0240

// Menus: the system menu's additions, and the contact and display menus
#define IDR_SYSTEM_MENU 140
#define IDR_CONTEXT_MENUS 141

// Pictures, strings and tables by number
#define IDB_ABOUT 188
#define IDS_ABOUT 101
#define IDR_SHORTCUTS 187

// Sounds: the click and the key tones, type "WAVE"
#define IDW_CLICK 190
#define IDW_KEY_0 192
#define IDW_KEY_1 193
#define IDW_KEY_2 194
#define IDW_KEY_3 195
#define IDW_KEY_4 196
#define IDW_KEY_5 197
#define IDW_KEY_6 198
#define IDW_KEY_7 199
#define IDW_KEY_8 200
#define IDW_KEY_9 201
#define IDW_KEY_STAR 202
#define IDW_KEY_HASH 203

// Icons
#define IDI_APPLICATION_PHONE 128
#define IDI_LIST_ITEM 129
#define IDI_END_CALL 205
