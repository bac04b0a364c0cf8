// The video and web backgrounds: their windows behind the desktop icons and their pages.
#pragma once

// Background windows and their ActiveX controls.
#define IDD_WALLPAPER_VIDEO 135
#define IDD_WALLPAPER_WEB 142
#define IDC_WALLPAPER_PLAYER 1223
#define IDC_WALLPAPER_BROWSER 1019

// Controls of the video page (template 140) and the web page (template 145).
#define IDC_LIVE_ENABLE 1016
#define IDC_LIVE_WARNING 1123
#define IDC_LIVE_HELP 1193
#define IDC_VIDEO_LABEL 1119
#define IDC_VIDEO_PATH 1017
#define IDC_VIDEO_BROWSE 1018
#define IDC_VIDEO_STATUS 1120
#define IDC_VIDEO_FIND 1121
#define IDC_VIDEO_ENABLE_SETTING 1011
#define IDC_WEB_URL 1021
#define IDC_WEB_REFRESH 1011
#define IDC_WEB_ENABLE_SETTING 1124
#define IDC_WEB_ENGINE 1191
#define IDC_WEB_INTERACTIVE 1043
#define IDC_WEB_INTERACTIVE_LABEL 1240

// Pictures of the two pages.
#define IDP_VIDEO_PAGE 515
#define IDP_WEB_PAGE 516
