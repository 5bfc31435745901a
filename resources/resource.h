#pragma once

// Resource and control ids of the editor, shared by the .rc file and the code.

// Icon and menu
#define MYICON "MYICON"
#define TOPMENU "TOPMENU"
#define TOPACCEL "TOPACCEL"
#define LISTMENU "LISTMENU"

// Menu commands
#define IDM_EXIT 100
#define IDM_EXPORT_CSV 101
#define IDM_SAVE_SETTINGS 102
#define IDM_LOAD_SETTINGS 103
#define IDM_HELP 104
#define IDM_ABOUT 105
#define IDM_SAVE_OVER 106
#define IDM_IMPORT 107
#define IDM_UNDO 110
#define IDM_REDO 111
#define IDM_CUT 112
#define IDM_COPY 113
#define IDM_PASTE 114
#define IDM_DUPLICATE 115
#define IDM_MOVE_UP 116
#define IDM_MOVE_DOWN 117
#define IDM_SELECT_ALL 118
#define IDM_LANGUAGE_JAPANESE 120 // Help > Language: the two languages the program speaks
#define IDM_LANGUAGE_ENGLISH 121

// Main window controls
#define IDC_LABEL_DISPLAY_PERIOD 200
#define IDC_LABEL_OUTPUT_RANGE 201
#define IDC_LABEL_RESOLUTION 202
#define IDC_DISPLAY_PERIOD 300
#define IDC_OUTPUT_RANGE 301
#define IDC_RESOLUTION 302
#define IDC_ELEMENT_LIST 400
#define IDC_APPEND 500
#define IDC_EDIT 501
#define IDC_INSERT 502
#define IDC_DELETE 503
#define IDC_STATUS_BAR 600

// Chart: the canvas, the strip below it (+1000) and its scroll bar (+2000)
#define IDC_CANVAS 1111
#define IDC_CANVAS_STRIP 2111
#define IDC_CANVAS_SCROLL 3111

// Parameter dialog
#define IDD_PARAM 1000
#define IDC_TYPE_LABEL 210
#define IDC_SUBTYPE_A_LABEL 211
#define IDC_SUBTYPE_B_LABEL 212
#define IDC_PICTURE 213
#define IDC_FIELD_LABEL_FIRST 220 // 220..239: label of field 0..19
#define IDC_TYPE 310
#define IDC_SUBTYPE_A 311
#define IDC_SUBTYPE_B 312
#define IDC_PARAM_OK 510
#define IDC_PARAM_CANCEL 511
#define IDC_FIELD_FIRST 620   // 620..639: edit of field 0..19
#define IDB_PICTURE_FIRST 150 // 150..156: pictures of FUNC_CONST..FUNC_RANDOM
#define IDB_PICTURE_CONST 150
#define IDB_PICTURE_SLOPE 151
#define IDB_PICTURE_RECT 152
#define IDB_PICTURE_TRI 153
#define IDB_PICTURE_SIN 154
#define IDB_PICTURE_EXPO 155
#define IDB_PICTURE_RANDOM 156
#define IDB_PICTURE_ENGLISH_FIRST 160 // 160..166: the same pictures with English words
#define IDB_PICTURE_CONST_EN 160
#define IDB_PICTURE_SLOPE_EN 161
#define IDB_PICTURE_RECT_EN 162
#define IDB_PICTURE_TRI_EN 163
#define IDB_PICTURE_SIN_EN 164
#define IDB_PICTURE_EXPO_EN 165
#define IDB_PICTURE_RANDOM_EN 166

// About box
#define IDD_ABOUT 1001
#define IDC_ABOUT_TITLE 240
#define IDC_ABOUT_VERSION 241
#define IDC_ABOUT_TEXT 242
#define IDC_ABOUT_OK 520

// Import dialog
#define IDD_IMPORT 1002
#define IDC_IMPORT_SHAPE 701
#define IDC_IMPORT_TOLERANCE 702
#define IDC_IMPORT_GAIN 703
#define IDC_IMPORT_OFFSET 704
#define IDC_IMPORT_TIME_COLUMN 705
#define IDC_IMPORT_VALUE_COLUMN 706
#define IDC_IMPORT_SUMMARY 707
#define IDC_IMPORT_PREVIEW 708
#define IDC_IMPORT_BROWSE 709
#define IDC_IMPORT_FILE 700
#define IDC_IMPORT_TIME_SCALE 710
#define IDC_IMPORT_TIME_STEP 711
#define IDC_IMPORT_RANGE 712
#define IDC_IMPORT_RESOLUTION 713
#define IDC_IMPORT_LABEL_FIRST 720 // 720..729: the labels, in the order of the dialog
