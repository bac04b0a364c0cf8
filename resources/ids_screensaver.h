// The Screen Saver page, the screen-saver background's window and its page.
#pragma once

// The screen-saver background's window behind the desktop icons (no controls).
#define IDD_WALLPAPER_SCREENSAVER 600

// Shared by the Screen Saver page (template 341) and the Background Screen Saver page
// (template 558).
#define IDC_SAVER_LABEL 1126
#define IDC_SAVER_LIST 1125
#define IDC_SAVER_FIND 1133

// The Screen Saver page.
#define IDC_SAVER_AREA 1127
#define IDC_SAVER_SETTINGS 1086
#define IDC_SAVER_PREVIEW 1011
#define IDC_SAVER_WAIT_LABEL 1130
#define IDC_SAVER_WAIT 1115
#define IDC_SAVER_WAIT_SPIN 1060
#define IDC_SAVER_MINUTES 1131
#define IDC_SAVER_SECURE 1043
#define IDC_SAVER_SECURE_LABEL 1183
#define IDC_SAVER_AUTO 1128
#define IDC_SAVER_AUTO_LABEL 1013
#define IDC_SAVER_SHUFFLE 1012
#define IDC_SAVER_SHUFFLE_LABEL 1182

// The Background Screen Saver page (1016 "Enable" and 1193 "Help" as on the video page).
#define IDC_SAVERBG_NOTE 1029

// Pictures of the two pages, 700 x 398.
#define IDP_SAVER_PAGE 666
#define IDP_SAVERBG_PAGE 562
