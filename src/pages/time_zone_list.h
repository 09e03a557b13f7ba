#pragma once
// The time zones the system page offers: read once from the PC's zone database, thinned
// by a fixed list of excluded key-name prefixes and sorted by UTC offset, furthest east
// first. The camera stores a zone as its database key name and its offset in minutes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

// A date in the zone's transition rules, laid out like the system's SYSTEMTIME.
struct ZoneDate {
    std::uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};
static_assert(sizeof(ZoneDate) == 16);

// One zone. Texts hold at most their field width minus the terminator, in UTF-16 units.
struct CRegTimeZoneInfo {
    static constexpr std::size_t kKeyNameUnits = 255, kDisplayNameUnits = 510, kStandardNameUnits = 255;

    std::wstring KeyName;            // the zone's key in the database
    std::wstring DisplayName;        // "Display": the text the combo box shows
    std::wstring StandardName;       // "Std"
    std::int32_t OffsetMinutes = 0;  // standard offset from UTC, east positive (minus the TZI bias)
    std::int32_t StandardBias = 0;
    std::int32_t DaylightOffset = 0;  // minus the TZI daylight bias
    ZoneDate StandardDate{};
    ZoneDate DaylightDate{};
};

// One zone's key in the database, open for reading.
class ZoneKey {
public:
    virtual ~ZoneKey() = default;
    // Value names in enumeration order.
    virtual std::vector<std::wstring> ValueNames() const = 0;
    // The first maxBytes bytes of a value (all of a shorter one); nothing when it cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> ReadValue(const std::wstring& name,
                                                               std::size_t maxBytes) const = 0;
};

// The PC's zone database: the registry on Windows, a double in tests.
class TimeZoneDatabase {
public:
    virtual ~TimeZoneDatabase() = default;
    // Zone key names in enumeration order; none when the database cannot be opened.
    virtual std::vector<std::wstring> ZoneKeyNames() const = 0;
    // Null when the key cannot be opened.
    virtual std::unique_ptr<ZoneKey> OpenZone(const std::wstring& keyName) const = 0;
};

// Zones whose key names begin with one of these, in any case, are never offered.
inline constexpr std::array<std::wstring_view, 17> ExcludedZonePrefixes = {
    L"Argentina", L"Armenian", L"Bahia",     L"Bangladesh", L"Jordan",      L"Kaliningrad",
    L"Kamchatka", L"Magadan",  L"Mauritius", L"Mexico",     L"Middle East", L"Montevideo",
    L"Morocco",   L"Syria",    L"Turkey",    L"UTC",        L"Venezuela",
};

bool IsExcludedZone(std::wstring_view keyName);

// The "TZI" block: bias, standard bias, daylight bias (little-endian 32-bit minutes), then
// the standard and daylight dates. A short block fills what it covers; the rest stays zero.
void ApplyTziBlock(std::span<const std::uint8_t> bytes, CRegTimeZoneInfo& zone);

// A text value's bytes (UTF-16LE) up to the first NUL, cut to fit a field of fieldUnits
// units with its terminator, never between the halves of a surrogate pair.
std::wstring ZoneTextFromBytes(std::span<const std::uint8_t> bytes, std::size_t fieldUnits);
// The same cut for a text already in memory.
std::wstring FitZoneText(std::wstring_view text, std::size_t fieldUnits);

class CTimeZoneInfoManager {
public:
    // Reads the whole list now; the database is not used afterwards. Writes one debug line
    // per zone read. pcZone is asked again at each FindCurrentZone.
    CTimeZoneInfoManager(const TimeZoneDatabase& database, PcTimeZone& pcZone, DebugOutput& debug);
    virtual ~CTimeZoneInfoManager() = default;

    int Count() const { return static_cast<int>(zones_.size()); }
    const CRegTimeZoneInfo& Zone(int index) const { return zones_.at(static_cast<std::size_t>(index)); }
    // Key names after exclusion, in enumeration order (zones that could not be read included).
    const std::vector<std::wstring>& KeyNames() const { return keyNames_; }

    // The PC's current zone; 0 (the first zone) when none matches, -1 when the list is empty.
    int FindCurrentZone() const;
    // The zone with this key name and offset, else the first with the offset, else -1.
    // An empty key name matches on the offset alone.
    int FindZone(std::wstring_view keyName, std::int32_t offsetMinutes) const;

private:
    std::optional<CRegTimeZoneInfo> ReadZone(const TimeZoneDatabase& database, const std::wstring& keyName) const;

    PcTimeZone& pcZone_;
    std::vector<std::wstring> keyNames_;
    std::vector<CRegTimeZoneInfo> zones_;
};
