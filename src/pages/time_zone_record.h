#pragma once
// The time zone of the settings record as the system page shows and edits it. The page
// fills its combo box with the zones' display names in list order, then selects the index
// these functions give; nothing here touches a window.

#include <cstddef>
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "pages/time_zone_list.h"
#include "platform/platform.h"

// text in the ANSI code page, cut at a character boundary to at most maxBytes bytes (a
// double-byte character or a surrogate pair is kept whole or dropped whole).
std::string AnsiTextFitting(const AnsiCodePage& ansi, std::wstring_view text, std::size_t maxBytes);

// Stores the zone's key name (cut to fit with its terminator) and offset in the record.
void StoreZone(const CRegTimeZoneInfo& zone, ConfigRecord& record, const AnsiCodePage& ansi);

// The entry to select when the page shows the record: the record's zone by name and
// offset, else the first zone with its offset, else the PC's current zone. A record that
// holds no zone (empty name, offset 0) gets the PC's current zone written into it.
// Returns -1, with the record unchanged, when there is no zone to select.
int SelectRecordZone(const CTimeZoneInfoManager& zones, ConfigRecord& record, const AnsiCodePage& ansi,
                     DebugOutput& debug);

// The user picked entry index: the record takes that zone. False, with the record
// unchanged and nothing written to the debug output, when index names no zone (the combo
// box reports -1 when nothing is selected).
bool StorePickedZone(const CTimeZoneInfoManager& zones, int index, ConfigRecord& record, const AnsiCodePage& ansi,
                     DebugOutput& debug);
