// Resource ids of the tweak tool: its dialog, icon and controls. Plain defines, read by the
// resource compiler and the code alike.
#pragma once

#define IDD_TWEAK 102
#define IDI_PROGRAM 128

#define IDC_PARAMETER_LIST 1000
#define IDC_SLIDER 1003
#define IDC_DEFAULT 1004
#define IDC_MINIMUM 1005
#define IDC_MAXIMUM 1006
#define IDC_CURRENT 1007
#define IDC_RESET 1008
#define IDC_SAVE 1009
#define IDC_LOAD 1010
#define IDC_DESCRIPTION 1011
#define IDC_VALUE 1012
// The labels of the list, the slider and the value field.
#define IDC_PARAMETER_LIST_LABEL 1013
#define IDC_SLIDER_LABEL 1014
#define IDC_VALUE_LABEL 1015
