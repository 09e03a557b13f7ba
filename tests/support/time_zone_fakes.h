#pragma once
// A time-zone database in memory: zones with their registry-style values, keys that
// cannot be opened and values that cannot be read.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/time_zone_list.h"

// Text as the registry stores it: UTF-16LE units with a terminating NUL.
inline std::vector<std::uint8_t> Utf16Bytes(std::wstring_view text, bool terminated = true) {
    std::vector<std::uint8_t> bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    }
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// A 44-byte "TZI" block; the dates are filled with recognisable numbers.
inline std::vector<std::uint8_t> TziBytes(std::int32_t bias, std::int32_t standardBias, std::int32_t daylightBias,
                                          std::uint16_t dateSeed = 0) {
    std::vector<std::uint8_t> bytes;
    for (std::int32_t v : {bias, standardBias, daylightBias})
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> shift) & 0xFF));
    for (int i = 0; i < 16; ++i) {
        const auto v = static_cast<std::uint16_t>(dateSeed + i);
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    return bytes;
}

class MemoryTimeZoneDatabase final : public TimeZoneDatabase {
public:
    struct Value {
        std::wstring name;
        std::vector<std::uint8_t> bytes;
        bool refused = false;  // reading it fails
    };
    struct Zone {
        std::wstring key;
        std::vector<Value> values;
        bool opens = true;
    };

    // A zone as Windows lists it: display text, standard name and a TZI block with a
    // one-hour daylight bias.
    Zone& Add(std::wstring key, std::wstring_view display, std::wstring_view standardName, std::int32_t bias,
              std::int32_t standardBias = 0) {
        zones.push_back({std::move(key),
                         {{L"Display", Utf16Bytes(display)},
                          {L"Dlt", Utf16Bytes(L"Daylight Time")},
                          {L"MUI_Display", Utf16Bytes(L"@tzres.dll,-110")},
                          {L"Std", Utf16Bytes(standardName)},
                          {L"TZI", TziBytes(bias, standardBias, -60)}}});
        return zones.back();
    }

    std::vector<std::wstring> ZoneKeyNames() const override {
        std::vector<std::wstring> names;
        for (const Zone& zone : zones) names.push_back(zone.key);
        return names;
    }

    std::unique_ptr<ZoneKey> OpenZone(const std::wstring& keyName) const override {
        const auto it = std::find_if(zones.begin(), zones.end(), [&](const Zone& z) { return z.key == keyName; });
        if (it == zones.end() || !it->opens) return nullptr;
        return std::make_unique<Key>(*it);
    }

    std::vector<Zone> zones;

private:
    class Key final : public ZoneKey {
    public:
        explicit Key(const Zone& zone) : zone_(zone) {}
        std::vector<std::wstring> ValueNames() const override {
            std::vector<std::wstring> names;
            for (const Value& v : zone_.values) names.push_back(v.name);
            return names;
        }
        std::optional<std::vector<std::uint8_t>> ReadValue(const std::wstring& name,
                                                           std::size_t maxBytes) const override {
            for (const Value& v : zone_.values)
                if (v.name == name) {
                    if (v.refused) return std::nullopt;
                    return std::vector<std::uint8_t>(v.bytes.begin(),
                                                     v.bytes.begin() + std::min(maxBytes, v.bytes.size()));
                }
            return std::nullopt;
        }

    private:
        const Zone& zone_;
    };
};

// A fixed list in the shape of a Windows database, in enumeration (alphabetical) order,
// excluded zones included. Sorted, the offered zones are: Korea, Tokyo (+540); Nepal
// (+345); India (+330); Central Europe, Romance, W. Europe (+60); GMT (0); Eastern
// (-300); Central America (-360); Hawaiian (-600).
inline MemoryTimeZoneDatabase SampleZoneDatabase() {
    MemoryTimeZoneDatabase db;
    db.Add(L"Argentina Standard Time", L"(UTC-03:00) City of Buenos Aires", L"Argentina Standard Time", 180);
    db.Add(L"Central America Standard Time", L"(UTC-06:00) Central America", L"Central America Standard Time", 360);
    db.Add(L"Central Europe Standard Time", L"(UTC+01:00) Belgrade, Bratislava, Budapest",
           L"Central Europe Standard Time", -60);
    db.Add(L"Eastern Standard Time", L"(UTC-05:00) Eastern Time (US & Canada)", L"Eastern Standard Time", 300);
    db.Add(L"GMT Standard Time", L"(UTC+00:00) Dublin, Edinburgh, Lisbon, London", L"GMT Standard Time", 0);
    db.Add(L"Hawaiian Standard Time", L"(UTC-10:00) Hawaii", L"Hawaiian Standard Time", 600);
    db.Add(L"India Standard Time", L"(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi", L"India Standard Time", -330);
    db.Add(L"Korea Standard Time", L"(UTC+09:00) Seoul", L"Korea Standard Time", -540);
    db.Add(L"Mexico Standard Time", L"(UTC-06:00) Guadalajara, Mexico City, Monterrey", L"Mexico Standard Time", 360);
    db.Add(L"Nepal Standard Time", L"(UTC+05:45) Kathmandu", L"Nepal Standard Time", -345);
    db.Add(L"Romance Standard Time", L"(UTC+01:00) Brussels, Copenhagen, Madrid, Paris", L"Romance Standard Time", -60);
    db.Add(L"Tokyo Standard Time", L"(UTC+09:00) Osaka, Sapporo, Tokyo", L"Tokyo Standard Time", -540);
    db.Add(L"UTC", L"(UTC) Coordinated Universal Time", L"Coordinated Universal Time", 0);
    db.Add(L"UTC+12", L"(UTC+12:00) Coordinated Universal Time+12", L"UTC+12", -720);
    db.Add(L"W. Europe Standard Time", L"(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
           L"W. Europe Standard Time", -60);
    return db;
}
