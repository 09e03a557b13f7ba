// Resource and control ids, shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_SETTING 102
