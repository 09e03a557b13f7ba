#include "pages/time_zone_list.h"

#include <algorithm>

namespace {

constexpr std::size_t kTziBytes = 44, kTextValueBytes = 512;

wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Zone keys and value names are ASCII; folding only A-Z keeps the match independent of
// the user's locale.
bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

std::int32_t Int32At(const std::uint8_t* p) {
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                     std::uint32_t{p[3]} << 24);
}

ZoneDate DateAt(const std::uint8_t* p) {
    std::uint16_t v[8];
    for (int i = 0; i < 8; ++i) v[i] = static_cast<std::uint16_t>(p[2 * i] | p[2 * i + 1] << 8);
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
}

// Wraps like the two's-complement negation it is: a corrupt INT32_MIN must not be undefined.
std::int32_t Negated(std::int32_t v) {
    return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(v));
}

}  // namespace

bool IsExcludedZone(std::wstring_view keyName) {
    return std::any_of(ExcludedZonePrefixes.begin(), ExcludedZonePrefixes.end(), [&](std::wstring_view prefix) {
        return keyName.size() >= prefix.size() && EqualIgnoringCase(keyName.substr(0, prefix.size()), prefix);
    });
}

void ApplyTziBlock(std::span<const std::uint8_t> bytes, CRegTimeZoneInfo& zone) {
    std::uint8_t block[kTziBytes] = {};
    std::copy_n(bytes.begin(), std::min(bytes.size(), kTziBytes), block);
    zone.OffsetMinutes = Negated(Int32At(block));
    zone.StandardBias = Int32At(block + 4);
    zone.DaylightOffset = Negated(Int32At(block + 8));
    zone.StandardDate = DateAt(block + 12);
    zone.DaylightDate = DateAt(block + 28);
}

std::wstring FitZoneText(std::wstring_view text, std::size_t fieldUnits) {
    if (const auto nul = text.find(L'\0'); nul != std::wstring_view::npos) text = text.substr(0, nul);
    if (fieldUnits == 0) return {};
    if (text.size() > fieldUnits - 1) {
        text = text.substr(0, fieldUnits - 1);
        if (!text.empty() && IsHighSurrogate(text.back())) text.remove_suffix(1);
    }
    return std::wstring(text);
}

std::wstring ZoneTextFromBytes(std::span<const std::uint8_t> bytes, std::size_t fieldUnits) {
    // Units go one to one into wchar_t, so a 32-bit wchar_t sees the same units as Windows.
    std::wstring units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
        if (unit == L'\0') break;
        units += unit;
    }
    return FitZoneText(units, fieldUnits);
}

CTimeZoneInfoManager::CTimeZoneInfoManager(const TimeZoneDatabase& database, PcTimeZone& pcZone, DebugOutput& debug)
    : pcZone_(pcZone), keyNames_(database.ZoneKeyNames()) {
    std::erase_if(keyNames_, IsExcludedZone);
    for (std::size_t i = 0; i < keyNames_.size(); ++i) {
        auto zone = ReadZone(database, keyNames_[i]);
        if (!zone) continue;
        debug.Write(FormatText(L"\t%d\t[%ls]\t[%ls]\tBias[%d]\tDaylightBias[%d]\n", static_cast<int>(i),
                               zone->KeyName.c_str(), zone->DisplayName.c_str(), zone->OffsetMinutes,
                               zone->DaylightOffset));
        zones_.push_back(std::move(*zone));
    }
    // Stable, so zones equal in offset and name keep the database's order on every run.
    std::stable_sort(zones_.begin(), zones_.end(), [](const CRegTimeZoneInfo& a, const CRegTimeZoneInfo& b) {
        if (a.OffsetMinutes != b.OffsetMinutes) return a.OffsetMinutes > b.OffsetMinutes;
        return a.StandardName < b.StandardName;
    });
}

std::optional<CRegTimeZoneInfo> CTimeZoneInfoManager::ReadZone(const TimeZoneDatabase& database,
                                                               const std::wstring& keyName) const {
    // A key that cannot be opened gives no zone rather than one with empty texts that
    // the user could pick.
    const auto key = database.OpenZone(keyName);
    if (!key) return std::nullopt;
    CRegTimeZoneInfo zone;
    for (const std::wstring& name : key->ValueNames()) {
        const bool tzi = EqualIgnoringCase(name, L"TZI");
        const std::size_t limit = tzi ? kTziBytes : kTextValueBytes;
        const auto value = key->ReadValue(name, limit);
        if (!value) continue;  // its field stays zero
        const auto bytes = std::span<const std::uint8_t>(*value).first(std::min(value->size(), limit));
        if (EqualIgnoringCase(name, L"Display"))
            zone.DisplayName = ZoneTextFromBytes(bytes, CRegTimeZoneInfo::kDisplayNameUnits);
        else if (EqualIgnoringCase(name, L"Std"))
            zone.StandardName = ZoneTextFromBytes(bytes, CRegTimeZoneInfo::kStandardNameUnits);
        else if (tzi)
            ApplyTziBlock(bytes, zone);
    }
    zone.KeyName = FitZoneText(keyName, CRegTimeZoneInfo::kKeyNameUnits);
    return zone;
}

int CTimeZoneInfoManager::FindCurrentZone() const {
    if (zones_.empty()) return -1;
    const PcZoneInfo pc = pcZone_.CurrentZone();
    const std::int32_t offset = Negated(pc.bias);
    const std::wstring_view pcName = std::wstring_view(pc.standardName).substr(0, 64);
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        const CRegTimeZoneInfo& zone = zones_[i];
        if (zone.OffsetMinutes == offset && zone.StandardBias == pc.standardBias &&
            std::wstring_view(zone.StandardName).substr(0, 64) == pcName)
            return static_cast<int>(i);
    }
    return 0;
}

int CTimeZoneInfoManager::FindZone(std::wstring_view keyName, std::int32_t offsetMinutes) const {
    int sameOffset = -1;
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        if (zones_[i].OffsetMinutes != offsetMinutes) continue;
        if (keyName.empty() || zones_[i].KeyName == keyName) return static_cast<int>(i);
        if (sameOffset < 0) sameOffset = static_cast<int>(i);
    }
    return sameOffset;
}
