// Resource and control ids, shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128

// Dialog templates
#define IDD_SETTING 102
#define IDD_PARKING 132
#define IDD_ETC 133
#define IDD_MSG_POPUP 181
#define IDD_PROG_POPUP 182
#define IDD_SYSTEM 221

// Popups
#define IDC_PROGRESS 1118
#define IDC_PROG_TEXT 1120
#define IDC_MSG_TEXT 1501
