#pragma once

// Resource and control ids of the start-options program. Plain #defines: read by the resource
// compiler as well as by C++ code, portable code included.

// Resources
#define IDD_OPTIONS 102      // the options dialog
#define IDI_PROGRAM 128      // program icon: 16 to 64 pixels square
#define IDB_NOTICE_LINE 134  // the notice sentence in Japanese, 392 x 48, 4 bits per pixel
#define IDD_NOTICE 135       // "Japanese is not available"
#define IDB_BANNER 136       // dialog background, 453 x 525, 8 bits per pixel
// The two pictures drawn at twice the size, for the display scales above 100 %.
#define IDB_BANNER_MASTER 137       // 906 x 1050, 8 bits per pixel
#define IDB_NOTICE_LINE_MASTER 138  // 784 x 96, 4 bits per pixel

// Resource type of a dialog's initial list entries, stored under the dialog's own id.
#define RT_DIALOG_INIT 240

// Options dialog 102; the notice dialog 135 has OK and Cancel too
#define IDC_OK 1      // the platform's IDOK
#define IDC_CANCEL 2  // the platform's IDCANCEL
#ifndef IDC_STATIC
#define IDC_STATIC (-1)  // controls that are never addressed
#endif
#define IDC_ADAPTER 1002
#define IDC_DEVICE 1003
#define IDC_SCREEN_MODE 1004
#define IDC_FULL_SCREEN 1005
#define IDC_LANGUAGE 1008
#define IDC_TEXTURE 1009
#define IDC_OBJECTS 1011
#define IDC_LANDSCAPE 1012
#define IDC_TCL_DEFINES 1013
#define IDC_RATING 1014
#define IDC_DEFAULTS 1015
#define IDC_FRAMERATE 1016
#define IDC_FRAMERATE_VALUE 1018
#define IDC_ADAPTER_LABEL 1019
#define IDC_DEVICE_LABEL 1020
#define IDC_SCREEN_MODE_LABEL 1021
#define IDC_LANGUAGE_LABEL 1022
#define IDC_OBJECTS_LABEL 1024
#define IDC_LANDSCAPE_LABEL 1025
#define IDC_TEXTURE_LABEL 1026
#define IDC_FRAMERATE_LABEL 1027
#define IDC_DETAIL_GROUP 1029
#define IDC_GRAPHICS_GROUP 1030
#define IDC_TCL_DEFINES_LABEL 1031
#define IDC_SEPARATOR 1033
#define IDC_WHY_NOT_OK 1034      // why OK is disabled, and what to do
#define IDC_NOTICE_PICTURE 1040  // the notice's picture of the Japanese sentence

// The Tcl field's label, the one text with an access key that no language translates: its key
// (N) is free in all six.
#define TCL_DEFINES_LABEL_TEXT "Tcl Defi&nes"
