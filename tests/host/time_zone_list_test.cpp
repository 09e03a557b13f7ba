#include "pages/time_zone_list.h"

#include <cctype>
#include <climits>

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/time_zone_fakes.h"

namespace {

std::vector<std::wstring> SortedKeys(const CTimeZoneInfoManager& zones) {
    std::vector<std::wstring> keys;
    for (int i = 0; i < zones.Count(); ++i) keys.push_back(zones.Zone(i).KeyName);
    return keys;
}

std::wstring Repeated(wchar_t c, std::size_t n) {
    return std::wstring(n, c);
}

}  // namespace

TEST(ExcludedZones, OnlyPrefixesAtTheStartInAnyCase) {
    struct Case {
        const wchar_t* key;
        bool excluded;
    };
    const Case cases[] = {
        {L"UTC", true},
        {L"UTC+12", true},
        {L"UTC-02", true},
        {L"utc-11", true},
        {L"argentina Standard Time", true},
        {L"MIDDLE EAST Standard Time", true},
        {L"Middle", false},  // shorter than the prefix
        {L"UT", false},
        {L"Pacific Standard Time (Mexico)", false},
        {L"Central Standard Time (Mexico)", false},
        {L"Turks And Caicos Standard Time", false},
        {L"Sao Tome Standard Time", false},
        {L"XUTC", false},
        {L"Tokyo Standard Time", false},
        {L"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsExcludedZone(c.key), c.excluded) << c.key;

    for (std::wstring_view view : ExcludedZonePrefixes) {
        const std::wstring prefix(view);
        std::wstring lower(prefix), upper(prefix);
        for (wchar_t& ch : lower) ch = static_cast<wchar_t>(std::tolower(ch));
        for (wchar_t& ch : upper) ch = static_cast<wchar_t>(std::toupper(ch));
        EXPECT_TRUE(IsExcludedZone(prefix)) << prefix;
        EXPECT_TRUE(IsExcludedZone(lower + L" Standard Time")) << lower;
        EXPECT_TRUE(IsExcludedZone(upper + L"x")) << upper;
        EXPECT_FALSE(IsExcludedZone(L" " + prefix)) << prefix;
    }
}

TEST(TimeZoneList, ExcludesSortsAndReportsEachZone) {
    const MemoryTimeZoneDatabase db = SampleZoneDatabase();
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);

    const std::vector<std::wstring> names = {
        L"Central America Standard Time", L"Central Europe Standard Time",
        L"Eastern Standard Time",         L"GMT Standard Time",
        L"Hawaiian Standard Time",        L"India Standard Time",
        L"Korea Standard Time",           L"Nepal Standard Time",
        L"Romance Standard Time",         L"Tokyo Standard Time",
        L"W. Europe Standard Time",
    };
    EXPECT_EQ(zones.KeyNames(), names);

    const std::vector<std::wstring> sorted = {
        L"Korea Standard Time",          L"Tokyo Standard Time",
        L"Nepal Standard Time",          L"India Standard Time",
        L"Central Europe Standard Time", L"Romance Standard Time",
        L"W. Europe Standard Time",      L"GMT Standard Time",
        L"Eastern Standard Time",        L"Central America Standard Time",
        L"Hawaiian Standard Time",
    };
    EXPECT_EQ(SortedKeys(zones), sorted);

    const CRegTimeZoneInfo& tokyo = zones.Zone(1);
    EXPECT_EQ(tokyo.DisplayName, L"(UTC+09:00) Osaka, Sapporo, Tokyo");
    EXPECT_EQ(tokyo.StandardName, L"Tokyo Standard Time");
    EXPECT_EQ(tokyo.OffsetMinutes, 540);
    EXPECT_EQ(tokyo.StandardBias, 0);
    EXPECT_EQ(tokyo.DaylightOffset, 60);

    // One line per zone, numbered by its place in the list after exclusion.
    ASSERT_EQ(debug.lines.size(), names.size());
    EXPECT_EQ(debug.lines[0],
              L"\t0\t[Central America Standard Time]\t[(UTC-06:00) Central America]\tBias[-360]\tDaylightBias[60]\n");
    EXPECT_EQ(debug.lines[9],
              L"\t9\t[Tokyo Standard Time]\t[(UTC+09:00) Osaka, Sapporo, Tokyo]\tBias[540]\tDaylightBias[60]\n");
}

TEST(TimeZoneList, EqualOffsetsFollowTheStandardNameByCodeUnit) {
    MemoryTimeZoneDatabase db;
    for (const wchar_t* name : {L"alpha", L"\u00c9mile", L"Zulu", L"Beta", L"beta"}) db.Add(name, name, name, -60);
    db.Add(L"East", L"East", L"~", -61);
    db.Add(L"West", L"West", L"!", -59);
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    const std::vector<std::wstring> want = {L"East", L"Beta", L"Zulu", L"alpha", L"beta", L"\u00c9mile", L"West"};
    EXPECT_EQ(SortedKeys(zones), want);
}

TEST(TimeZoneList, ReadsValueNamesInAnyCaseAndIgnoresOthers) {
    MemoryTimeZoneDatabase db;
    db.zones.push_back({L"Zone",
                        {{L"tzi", TziBytes(-120, 5, -30, 100)},
                         {L"DISPLAY", Utf16Bytes(L"(UTC+02:00) Somewhere")},
                         {L"std", Utf16Bytes(L"Somewhere Standard Time")},
                         {L"Dynamic DST", Utf16Bytes(L"ignored")},
                         {L"Display2", Utf16Bytes(L"not the display")}}});
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    ASSERT_EQ(zones.Count(), 1);
    const CRegTimeZoneInfo& zone = zones.Zone(0);
    EXPECT_EQ(zone.KeyName, L"Zone");
    EXPECT_EQ(zone.DisplayName, L"(UTC+02:00) Somewhere");
    EXPECT_EQ(zone.StandardName, L"Somewhere Standard Time");
    EXPECT_EQ(zone.OffsetMinutes, 120);
    EXPECT_EQ(zone.StandardBias, 5);
    EXPECT_EQ(zone.DaylightOffset, 30);
    EXPECT_EQ(zone.StandardDate.year, 100);
    EXPECT_EQ(zone.StandardDate.milliseconds, 107);
    EXPECT_EQ(zone.DaylightDate.year, 108);
    EXPECT_EQ(zone.DaylightDate.milliseconds, 115);
}

TEST(TimeZoneList, TziBlockCoversWhatTheRegistryGives) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::int32_t offset, standardBias, daylightOffset;
        std::uint16_t daylightMilliseconds;
    };
    std::vector<std::uint8_t> longer = TziBytes(-540, 0, -60, 1);
    longer.resize(60, 0xFF);
    const Case cases[] = {
        {TziBytes(-540, 0, -60, 1), 540, 0, 60, 16},
        {longer, 540, 0, 60, 16},                                              // only the first 44 bytes count
        {{0x4C, 0xFF, 0xFF, 0xFF, 7}, 180, 7, 0, 0},                           // bias, then one byte of the next field
        {{}, 0, 0, 0, 0},                                                      // empty value
        {TziBytes(INT_MIN, INT_MAX, INT_MIN), INT_MIN, INT_MAX, INT_MIN, 15},  // negation wraps
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        CRegTimeZoneInfo zone;
        ApplyTziBlock(cases[i].bytes, zone);
        EXPECT_EQ(zone.OffsetMinutes, cases[i].offset) << i;
        EXPECT_EQ(zone.StandardBias, cases[i].standardBias) << i;
        EXPECT_EQ(zone.DaylightOffset, cases[i].daylightOffset) << i;
        EXPECT_EQ(zone.DaylightDate.milliseconds, cases[i].daylightMilliseconds) << i;
    }
}

TEST(TimeZoneList, TextsStopAtNulAndAreCutToTheirFields) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::size_t field;
        std::wstring want;
    };
    std::vector<std::uint8_t> odd = Utf16Bytes(L"ab", false);
    odd.push_back('c');
    const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDE00)};
    const Case cases[] = {
        {Utf16Bytes(L"Tokyo"), 255, L"Tokyo"},
        {Utf16Bytes(L"Tokyo", false), 255, L"Tokyo"},
        {Utf16Bytes(std::wstring(L"ab\0cd", 5)), 255, L"ab"},
        {odd, 255, L"ab"},  // a half unit at the end is dropped
        {Utf16Bytes(Repeated(L'x', 300)), 255, Repeated(L'x', 254)},
        {Utf16Bytes(L"abc" + pair), 5, L"abc"},  // the pair does not fit whole
        {Utf16Bytes(L"ab" + pair), 5, L"ab" + pair},
        {Utf16Bytes(L"\u65e5\u672c"), 255, L"\u65e5\u672c"},
        {{}, 255, L""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ZoneTextFromBytes(cases[i].bytes, cases[i].field), cases[i].want) << i;
}

TEST(TimeZoneList, LongValuesAreCutAtTheReadLimitsAndTheFields) {
    MemoryTimeZoneDatabase db;
    auto& zone = db.Add(Repeated(L'K', 300), L"", L"", -60);
    zone.values = {{L"Display", Utf16Bytes(Repeated(L'D', 400))},
                   {L"Std", Utf16Bytes(Repeated(L'S', 300), false)},
                   {L"TZI", [] {
                        auto tzi = TziBytes(-60, 0, -60);
                        tzi.resize(200, 0x7F);
                        return tzi;
                    }()}};
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    ASSERT_EQ(zones.Count(), 1);
    EXPECT_EQ(zones.Zone(0).KeyName, Repeated(L'K', 254));
    EXPECT_EQ(zones.Zone(0).DisplayName, Repeated(L'D', 256));  // 512 bytes
    EXPECT_EQ(zones.Zone(0).StandardName, Repeated(L'S', 254));
    EXPECT_EQ(zones.Zone(0).OffsetMinutes, 60);
}

TEST(TimeZoneList, AValueThatCannotBeReadLeavesItsFieldEmpty) {
    MemoryTimeZoneDatabase db;
    db.Add(L"A", L"First display", L"First", -60);
    db.Add(L"B", L"Second display", L"Second", -120).values[0].refused = true;  // Display
    auto& c = db.Add(L"C", L"Third display", L"Third", -180);
    c.values[3].refused = true;  // Std
    c.values[4].refused = true;  // TZI
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    ASSERT_EQ(zones.Count(), 3);
    EXPECT_EQ(SortedKeys(zones), (std::vector<std::wstring>{L"B", L"A", L"C"}));
    EXPECT_EQ(zones.Zone(0).DisplayName, L"");
    EXPECT_EQ(zones.Zone(0).StandardName, L"Second");
    EXPECT_EQ(zones.Zone(2).DisplayName, L"Third display");
    EXPECT_EQ(zones.Zone(2).StandardName, L"");
    EXPECT_EQ(zones.Zone(2).OffsetMinutes, 0);
    EXPECT_EQ(zones.Zone(2).DaylightOffset, 0);
}

TEST(TimeZoneList, AKeyThatCannotBeOpenedIsSkipped) {
    MemoryTimeZoneDatabase db = SampleZoneDatabase();
    for (auto& zone : db.zones)
        if (zone.key == L"India Standard Time") zone.opens = false;
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);

    // Listed by name, but not offered, and its neighbours keep their own values.
    EXPECT_EQ(zones.KeyNames().size(), 11u);
    ASSERT_EQ(zones.Count(), 10);
    for (int i = 0; i < zones.Count(); ++i) {
        EXPECT_NE(zones.Zone(i).KeyName, L"India Standard Time");
        EXPECT_EQ(zones.Zone(i).StandardName, zones.Zone(i).KeyName);
    }
    EXPECT_EQ(zones.Zone(2).KeyName, L"Nepal Standard Time");
    EXPECT_EQ(zones.Zone(3).KeyName, L"Central Europe Standard Time");
    ASSERT_EQ(debug.lines.size(), 10u);
    EXPECT_EQ(debug.lines[5].substr(0, 25), L"\t6\t[Korea Standard Time]\t");  // India was 5
}

TEST(TimeZoneList, AnEmptyDatabaseGivesAnEmptyList) {
    MemoryTimeZoneDatabase db;
    FixedTimeZone pc;
    pc.zone = {-540, 0, L"Tokyo Standard Time"};
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    EXPECT_EQ(zones.Count(), 0);
    EXPECT_EQ(zones.FindCurrentZone(), -1);
    EXPECT_EQ(zones.FindZone(L"", 0), -1);
    EXPECT_EQ(zones.FindZone(L"Tokyo Standard Time", 540), -1);
    EXPECT_TRUE(debug.lines.empty());
}

TEST(TimeZoneList, FindCurrentZoneMatchesOffsetBiasAndStandardName) {
    const MemoryTimeZoneDatabase db = SampleZoneDatabase();
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    struct Case {
        PcZoneInfo pc;
        const wchar_t* want;
    };
    const Case cases[] = {
        {{-540, 0, L"Tokyo Standard Time"}, L"Tokyo Standard Time"},
        {{-540, 0, L"Korea Standard Time"}, L"Korea Standard Time"},
        {{-345, 0, L"Nepal Standard Time"}, L"Nepal Standard Time"},
        {{300, 0, L"Eastern Standard Time"}, L"Eastern Standard Time"},
        {{-60, 0, L"W. Europe Standard Time"}, L"W. Europe Standard Time"},
        // No match: the first zone of the list.
        {{-480, 0, L"Tokyo Standard Time"}, L"Korea Standard Time"},
        {{-540, 10, L"Tokyo Standard Time"}, L"Korea Standard Time"},
        {{-540, 0, L"tokyo standard time"}, L"Korea Standard Time"},
        {{0, 0, L"Coordinated Universal Time"}, L"Korea Standard Time"},  // UTC is excluded
        {{0, 0, L""}, L"Korea Standard Time"},
    };
    for (const Case& c : cases) {
        pc.zone = c.pc;
        EXPECT_EQ(zones.Zone(zones.FindCurrentZone()).KeyName, c.want) << c.pc.standardName << " " << c.pc.bias;
    }
}

TEST(TimeZoneList, FindCurrentZoneComparesAtMost64Characters) {
    MemoryTimeZoneDatabase db;
    db.Add(L"First", L"", L"First", -60);
    db.Add(L"Long", L"", Repeated(L'n', 64) + L"zone", -60);
    FixedTimeZone pc;
    pc.zone = {-60, 0, Repeated(L'n', 64) + L"other"};
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    EXPECT_EQ(zones.Zone(zones.FindCurrentZone()).KeyName, L"Long");
}

TEST(TimeZoneList, FindZonePrefersTheKeyThenTheOffset) {
    const MemoryTimeZoneDatabase db = SampleZoneDatabase();
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(db, pc, debug);
    struct Case {
        const wchar_t* key;
        std::int32_t offset;
        const wchar_t* want;  // null: not found
    };
    const Case cases[] = {
        {L"Tokyo Standard Time", 540, L"Tokyo Standard Time"},  // Korea sorts first with the same offset
        {L"Korea Standard Time", 540, L"Korea Standard Time"},
        {L"W. Europe Standard Time", 60, L"W. Europe Standard Time"},
        {L"tokyo standard time", 540, L"Korea Standard Time"},  // key names match exactly
        {L"Nowhere", 60, L"Central Europe Standard Time"},
        {L"", 60, L"Central Europe Standard Time"},
        {L"Tokyo Standard Time", 60, L"Central Europe Standard Time"},      // key right, offset wrong
        {L"Mexico Standard Time", -360, L"Central America Standard Time"},  // excluded zone
        {L"Nowhere", 123, nullptr},
        {L"", 123, nullptr},
        {L"Tokyo Standard Time", 541, nullptr},
    };
    for (const Case& c : cases) {
        const int index = zones.FindZone(c.key, c.offset);
        if (!c.want)
            EXPECT_EQ(index, -1) << c.key << " " << c.offset;
        else
            EXPECT_EQ(index >= 0 ? zones.Zone(index).KeyName : L"(none)", c.want) << c.key << " " << c.offset;
    }
}
