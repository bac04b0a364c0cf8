// Templates, controls and pictures of the Effects tab and the effect control pages.
// Shared by the resource scripts and the code.
#pragma once

// Control page templates, one per effect.
#define IDD_EFFECT_CTRLS_BALLOONS 356
#define IDD_EFFECT_CTRLS_CONFETTI 439
#define IDD_EFFECT_CTRLS_CURSOR 653
#define IDD_EFFECT_CTRLS_CUSTOM_OBJECTS 548
#define IDD_EFFECT_CTRLS_DANDELIONS 404
#define IDD_EFFECT_CTRLS_FALLING_PETALS 441
#define IDD_EFFECT_CTRLS_FIREFLIES 673
#define IDD_EFFECT_CTRLS_HEARTS 376
#define IDD_EFFECT_CTRLS_LEAF_FALL 258
#define IDD_EFFECT_CTRLS_LEAVES_IN_THE_WIND 415
#define IDD_EFFECT_CTRLS_LIGHTNING 671
#define IDD_TAB_LIGHTS 217
#define IDD_EFFECT_CTRLS_RAIN 432
#define IDD_EFFECT_CTRLS_RAIN_FLOWERS 443
#define IDD_EFFECT_CTRLS_SMOKE 539
#define IDD_EFFECT_CTRLS_SPACE_FLIGHT 672
#define IDD_EFFECT_CTRLS_SWEETS 380

// The Effects tab (template IDD_TAB_EFFECTS).
#define IDC_EFFECTS_TREE 1030
#define IDC_EFFECTS_NOTE 1188
#define IDB_EFFECTS_INTRO 514

// Controls of the control pages. "Multicolored" of the fireflies page has the id of the
// wind's random box, which that page does not have.
#define IDC_PAGE_TITLE 1023
#define IDC_PAGE_ENABLE 1016
#define IDC_PAGE_HELP 1193
#define IDC_DISPLAY_GROUP 1051
#define IDC_ON_DESKTOP 1061
#define IDC_ON_TOP 1062
#define IDC_WIND_GROUP 1063
#define IDC_WIND_SLIDER 1065
#define IDC_WIND_RANDOM 1043
#define IDC_MULTICOLORED 1043
#define IDC_DENSITY_GROUP 1064
#define IDC_DENSITY_SLIDER 1066
#define IDC_DENSITY_RANDOM 1067
#define IDC_PETAL_COLOR 1178
#define IDC_PETAL_COLOR_LABEL 1179
#define IDC_CURSOR_EFFECT 1227
#define IDC_CURSOR_EFFECT_LABEL 1230
#define IDI_PAGE_HELP 565

// The custom-objects page.
#define IDC_OBJECT_ADD 1011
#define IDC_OBJECT_DUPLICATE 1187
#define IDC_OBJECT_REMOVE 1006
#define IDC_OBJECT_LIST 1007
