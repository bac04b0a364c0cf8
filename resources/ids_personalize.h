// Control and picture ids of the Logon Screen and Cursor pages.
#pragma once

// Logon Screen page
#define IDC_LOGON_CHOOSE 1001
#define IDC_LOGON_PREVIEW 1003
#define IDC_LOGON_RESTART 1011
#define IDC_LOGON_NOTE 1053
#define IDC_LOGON_PICTURES 1054
#define IDC_LOGON_FIND 1133
#define IDC_LOGON_ADMIN_FRAME 1143
#define IDC_LOGON_ADMIN_NOTICE 1144
#define IDC_LOGON_HELP 1193
#define IDB_LOGON_BACKDROP 667

// Cursor page
#define IDC_CURSOR_DEFAULT 1002
#define IDC_CURSOR_THEMES 1007
#define IDC_CURSOR_HELP 1193

// Icons of the page buttons (resources/shell.rc).
#define IDI_BUTTON_LINK 337
#define IDI_BUTTON_HELP 565
