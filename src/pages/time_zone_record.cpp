#include "pages/time_zone_record.h"

namespace {

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::string AnsiTextFitting(const AnsiCodePage& ansi, std::wstring_view text, std::size_t maxBytes) {
    // Character by character: an ANSI code page has no shift states, so the pieces join
    // into the same bytes as converting the whole text at once.
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t units =
            IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
        const std::string piece = ansi.FromWide(text.substr(i, units));
        if (bytes.size() + piece.size() > maxBytes) break;
        bytes += piece;
        i += units;
    }
    return bytes;
}

void StoreZone(const CRegTimeZoneInfo& zone, ConfigRecord& record, const AnsiCodePage& ansi) {
    record.SetTimeZoneName(AnsiTextFitting(ansi, zone.KeyName, ConfigRecord::kTimeZoneNameSize - 1));
    record.Set(Field::TimeZoneBias, zone.OffsetMinutes);
}

int SelectRecordZone(const CTimeZoneInfoManager& zones, ConfigRecord& record, const AnsiCodePage& ansi,
                     DebugOutput& debug) {
    const std::wstring name = ansi.ToWide(record.TimeZoneName());
    const std::int32_t offset = record.Get(Field::TimeZoneBias);
    debug.Write(FormatText(L"TimeZone Read  [%ls] Bias[%d]\n", name.c_str(), offset));

    if (!name.empty() || offset != 0) {
        // A zone this PC does not offer is shown as its nearest match, but the record
        // keeps it until the user picks another.
        const int index = zones.FindZone(name, offset);
        return index >= 0 ? index : zones.FindCurrentZone();
    }
    const int index = zones.FindCurrentZone();
    if (index >= 0) StoreZone(zones.Zone(index), record, ansi);
    return index;
}

bool StorePickedZone(const CTimeZoneInfoManager& zones, int index, ConfigRecord& record, const AnsiCodePage& ansi,
                     DebugOutput& debug) {
    if (index < 0 || index >= zones.Count()) return false;
    const CRegTimeZoneInfo& zone = zones.Zone(index);
    StoreZone(zone, record, ansi);
    debug.Write(FormatText(L"TimeZone [%ls] Bias[%d]\n", zone.KeyName.c_str(), record.Get(Field::TimeZoneBias)));
    return true;
}
