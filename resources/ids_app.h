// Resource and control ids of the application shell (main window, About box,
// program icon, menus). Shared by the resource scripts and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDR_MAIN_MENU 129
#define IDR_TRAY_MENU 220

#define IDC_MAIN_TABS 1000

#define ID_MENU_HELP 32771
#define ID_MENU_CHECK_UPDATES 32772
#define ID_MENU_ABOUT 32773
#define ID_MENU_SETTINGS 32774
#define ID_TRAY_OPEN 32775
#define ID_TRAY_HELP 32777
#define ID_TRAY_CHECK_UPDATES 32779
#define ID_TRAY_EXIT 32783

#define IDC_ABOUT_NAME 1023
#define IDC_ABOUT_CREDITS 1155
#define IDC_ABOUT_VERSION 1156
#define IDC_ABOUT_LINK 1160
