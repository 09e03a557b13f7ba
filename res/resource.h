// Resource and control ids, shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_SETTING 102

// Skin images, PNG resources. Tabs: normal, hover, pressed, selected; buttons: normal,
// hover, pressed. Marked skin images carry their stretching instructions in a one-pixel
// frame (controls/skin_layout.h).
#define IDB_TAB_CARD_NORMAL 143
#define IDB_TAB_CARD_HOVER 144
#define IDB_TAB_CARD_PRESSED 145
#define IDB_TAB_CARD_SELECTED 146
#define IDB_TAB_RECORD_NORMAL 147
#define IDB_TAB_RECORD_HOVER 148
#define IDB_TAB_RECORD_PRESSED 149
#define IDB_TAB_RECORD_SELECTED 150
#define IDB_TAB_SYSTEM_NORMAL 151
#define IDB_TAB_SYSTEM_HOVER 152
#define IDB_TAB_SYSTEM_PRESSED 153
#define IDB_TAB_SYSTEM_SELECTED 154
#define IDB_MINIMIZE_NORMAL 155
#define IDB_MINIMIZE_HOVER 156
#define IDB_MINIMIZE_PRESSED 157
#define IDB_CLOSE_NORMAL 158
#define IDB_CLOSE_HOVER 159
#define IDB_CLOSE_PRESSED 160
#define IDB_BUTTON_NORMAL 161
#define IDB_BUTTON_HOVER 162
#define IDB_BUTTON_PRESSED 163
// Shipped with the skin but drawn by nothing: a panel, a second close button, two charts,
// two colour swatches and three lamp strips.
#define IDB_PANEL 164
#define IDB_CLOSE_WIDE_NORMAL 165
#define IDB_CLOSE_WIDE_HOVER 166
#define IDB_CLOSE_WIDE_PRESSED 167
#define IDB_CHART_LEVEL 168
#define IDB_SWATCH_GREY 169
#define IDB_SWATCH_BLUE 170
#define IDB_CHART_EDGES 171
#define IDB_LAMPS_1 172
#define IDB_LAMPS_2 173
#define IDB_LAMPS_3 174
// Memory-card page bar segments.
#define IDB_BAR_GREEN 175
#define IDB_BAR_YELLOW 176
#define IDB_BAR_ORANGE 177
#define IDB_BAR_RED 178
#define IDB_BAR_BLUE 179
// The main window's background.
#define IDB_BACKGROUND 501
