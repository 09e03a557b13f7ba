// The time-zone list against Wine's real zone database and against zone keys the tests
// write themselves. Some tests run again as separate ctest tests with TZ (the PC's zone
// under Wine) or LC_ALL (the ANSI code page) set; see tests/CMakeLists.txt.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "pages/registry_time_zones.h"
#include "pages/time_zone_record.h"
#include "platform/win32_platform.h"
#include "support/fakes.h"
#include "support/time_zone_fakes.h"

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[256];
    const DWORD n = GetEnvironmentVariableW(name, value, 256);
    return n > 0 && n < 256 ? std::wstring(value, n) : std::wstring();
}

// The PC's zone as the system names it.
DYNAMIC_TIME_ZONE_INFORMATION PcZone() {
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    GetDynamicTimeZoneInformation(&zone);
    return zone;
}

// A Time Zones key of the test's own under HKEY_CURRENT_USER, deleted afterwards.
class TestZoneKey {
public:
    TestZoneKey()
        : path_(L"Software\\DashcamSettingTest\\" + std::to_wstring(GetCurrentProcessId()) + L"\\Time Zones") {}
    ~TestZoneKey() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\DashcamSettingTest"); }
    const std::wstring& Path() const { return path_; }

    void SetValue(const std::wstring& zone, const wchar_t* name, DWORD type, const void* data, std::size_t size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (path_ + L"\\" + zone).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void SetText(const std::wstring& zone, const wchar_t* name, const std::wstring& text) {
        SetValue(zone, name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    void SetTzi(const std::wstring& zone, std::int32_t bias, std::int32_t daylightBias, std::size_t size = 44) {
        std::uint8_t block[64] = {};
        std::memcpy(block, &bias, 4);
        std::memcpy(block + 8, &daylightBias, 4);
        std::memset(block + 44, 0x7F, sizeof(block) - 44);
        SetValue(zone, L"TZI", REG_BINARY, block, size);
    }
    void AddZone(const std::wstring& zone, const std::wstring& display, std::int32_t bias) {
        SetText(zone, L"Display", display);
        SetText(zone, L"Std", zone);
        SetTzi(zone, bias, -60);
    }

private:
    std::wstring path_;
};

}  // namespace

TEST(WineTimeZones, TheListIsReadSortedAndThinned) {
    RegistryTimeZoneDatabase database;
    Win32PcTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(database, pc, debug);

    ASSERT_GT(zones.Count(), 50);
    EXPECT_EQ(static_cast<std::size_t>(zones.Count()), zones.KeyNames().size());
    EXPECT_EQ(debug.lines.size(), zones.KeyNames().size());
    for (int i = 0; i < zones.Count(); ++i) {
        const CRegTimeZoneInfo& zone = zones.Zone(i);
        EXPECT_FALSE(IsExcludedZone(zone.KeyName)) << zone.KeyName;
        EXPECT_FALSE(zone.DisplayName.empty()) << zone.KeyName;
        EXPECT_FALSE(zone.StandardName.empty()) << zone.KeyName;
        if (i == 0) continue;
        const CRegTimeZoneInfo& before = zones.Zone(i - 1);
        EXPECT_TRUE(before.OffsetMinutes > zone.OffsetMinutes ||
                    (before.OffsetMinutes == zone.OffsetMinutes && before.StandardName <= zone.StandardName))
            << before.KeyName << " before " << zone.KeyName;
    }
    EXPECT_GE(zones.Zone(0).OffsetMinutes, 720);
    EXPECT_LE(zones.Zone(zones.Count() - 1).OffsetMinutes, -600);

    // Zones every database has, with the offsets the registry gives them.
    for (const auto& [key, offset] : {std::pair<const wchar_t*, int>{L"Tokyo Standard Time", 540},
                                      {L"India Standard Time", 330},
                                      {L"Nepal Standard Time", 345},
                                      {L"W. Europe Standard Time", 60},
                                      {L"GMT Standard Time", 0},
                                      {L"Newfoundland Standard Time", -210},
                                      {L"Pacific Standard Time (Mexico)", -480},
                                      {L"Hawaiian Standard Time", -600}}) {
        const int index = zones.FindZone(key, offset);
        ASSERT_GE(index, 0) << key;
        EXPECT_EQ(zones.Zone(index).KeyName, key);
    }
    // The database has zones with the excluded prefixes; none of them is offered.
    const std::vector<std::wstring> all = database.ZoneKeyNames();
    EXPECT_GT(std::count_if(all.begin(), all.end(), IsExcludedZone), 10);
    EXPECT_EQ(zones.FindZone(L"UTC", 0), zones.FindZone(L"", 0));
}

// Also run with TZ set to several zones, and the key name Wine should report for it.
TEST(WineTimeZones, TheCurrentZoneIsFoundByKeyAndOffset) {
    const DYNAMIC_TIME_ZONE_INFORMATION pcZone = PcZone();
    const std::wstring expectedKey = Environment(L"DASHCAM_EXPECT_ZONE_KEY");
    if (!expectedKey.empty()) {
        ASSERT_EQ(std::wstring(pcZone.TimeZoneKeyName), expectedKey) << "TZ did not reach Wine";
    }

    RegistryTimeZoneDatabase database;
    Win32PcTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(database, pc, debug);
    const int index = zones.FindCurrentZone();
    if (IsExcludedZone(pcZone.TimeZoneKeyName)) {
        EXPECT_EQ(index, 0) << pcZone.TimeZoneKeyName;
    } else {
        ASSERT_GE(index, 0);
        EXPECT_EQ(zones.Zone(index).KeyName, pcZone.TimeZoneKeyName);
        EXPECT_EQ(zones.Zone(index).OffsetMinutes, -pcZone.Bias);
    }

    // A record without a zone takes the PC's as the page shows it.
    Win32AnsiCodePage ansi;
    ConfigRecord record;
    EXPECT_EQ(SelectRecordZone(zones, record, ansi, debug), index);
    EXPECT_EQ(ansi.ToWide(record.TimeZoneName()), zones.Zone(index).KeyName);
    EXPECT_EQ(record.Get(Field::TimeZoneBias), zones.Zone(index).OffsetMinutes);
}

TEST(RegistryTimeZoneDatabase, ReadsItsKeysAndCutsLongValues) {
    TestZoneKey test;
    test.AddZone(L"Plain Zone", L"(UTC+02:00) Plain", -120);
    test.AddZone(L"Long Zone", L"", -60);
    test.SetText(L"Long Zone", L"Display", std::wstring(299, L'D'));  // 600 bytes
    test.SetTzi(L"Long Zone", -60, -30, 64);
    test.AddZone(L"Short Tzi Zone", L"(UTC-03:00) Short", 0);
    test.SetTzi(L"Short Tzi Zone", 180, -60, 6);
    test.AddZone(L"UTC-02", L"(UTC-02:00) Excluded", 120);

    RegistryTimeZoneDatabase database(HKEY_CURRENT_USER, test.Path());
    FixedTimeZone pc;
    pc.zone = {-120, 0, L"Plain Zone"};
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(database, pc, debug);

    ASSERT_EQ(zones.Count(), 3);
    EXPECT_EQ(zones.Zone(0).KeyName, L"Plain Zone");
    EXPECT_EQ(zones.Zone(0).DisplayName, L"(UTC+02:00) Plain");
    EXPECT_EQ(zones.Zone(0).DaylightOffset, 60);
    EXPECT_EQ(zones.Zone(1).KeyName, L"Long Zone");
    EXPECT_EQ(zones.Zone(1).DisplayName, std::wstring(256, L'D'));  // the first 512 bytes
    EXPECT_EQ(zones.Zone(1).OffsetMinutes, 60);
    EXPECT_EQ(zones.Zone(1).DaylightOffset, 30);
    EXPECT_EQ(zones.Zone(1).DaylightDate.milliseconds, 0);  // bytes past 44 are not read
    EXPECT_EQ(zones.Zone(2).KeyName, L"Short Tzi Zone");
    EXPECT_EQ(zones.Zone(2).OffsetMinutes, -180);
    EXPECT_EQ(zones.Zone(2).StandardBias, 0);  // the block stopped inside it
    EXPECT_EQ(zones.FindCurrentZone(), 0);
    EXPECT_EQ(debug.lines.size(), 3u);
}

TEST(RegistryTimeZoneDatabase, MissingKeysAndValuesGiveNothing) {
    TestZoneKey test;
    test.AddZone(L"Zone", L"(UTC+01:00) Zone", -60);
    RegistryTimeZoneDatabase database(HKEY_CURRENT_USER, test.Path());

    EXPECT_EQ(database.OpenZone(L"Gone"), nullptr);
    EXPECT_EQ(database.OpenZone(L""), nullptr);  // would be the Time Zones key itself
    EXPECT_TRUE(RegistryTimeZoneDatabase(HKEY_CURRENT_USER, test.Path() + L"\\Gone").ZoneKeyNames().empty());

    // A value that goes away between listing and reading is not read.
    const auto key = database.OpenZone(L"Zone");
    ASSERT_NE(key, nullptr);
    const std::vector<std::wstring> names = key->ValueNames();
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Display", L"Std", L"TZI"}));
    ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, (test.Path() + L"\\Zone").c_str(), L"Std"), ERROR_SUCCESS);
    EXPECT_FALSE(key->ReadValue(L"Std", 512).has_value());
    EXPECT_EQ(key->ReadValue(L"TZI", 44)->size(), 44u);
    EXPECT_EQ(key->ReadValue(L"TZI", 8)->size(), 8u);
}

TEST(RegistryTimeZoneDatabase, AKeyThatCannotBeOpenedIsSkipped) {
    TestZoneKey test;
    test.AddZone(L"A Zone", L"(UTC+01:00) A", -60);
    test.AddZone(L"B Zone", L"(UTC+02:00) B", -120);
    test.AddZone(L"C Zone", L"(UTC+03:00) C", -180);

    // Nobody may read B: a security descriptor with an empty access list.
    HKEY b = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (test.Path() + L"\\B Zone").c_str(), 0, WRITE_DAC, &b), ERROR_SUCCESS);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    ACL acl;
    InitializeAcl(&acl, sizeof(acl), ACL_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, &acl, FALSE);
    ASSERT_EQ(RegSetKeySecurity(b, DACL_SECURITY_INFORMATION, &sd), ERROR_SUCCESS);
    RegCloseKey(b);

    RegistryTimeZoneDatabase database(HKEY_CURRENT_USER, test.Path());
    ASSERT_EQ(database.ZoneKeyNames().size(), 3u);
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(database, pc, debug);
    ASSERT_EQ(zones.Count(), 2);
    EXPECT_EQ(zones.Zone(0).KeyName, L"C Zone");
    EXPECT_EQ(zones.Zone(0).DisplayName, L"(UTC+03:00) C");
    EXPECT_EQ(zones.Zone(1).KeyName, L"A Zone");
    EXPECT_EQ(zones.Zone(1).DisplayName, L"(UTC+01:00) A");

    // Let the clean-up delete it again.
    HKEY reopened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, (test.Path() + L"\\B Zone").c_str(), 0, WRITE_DAC, &reopened) ==
        ERROR_SUCCESS) {
        SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE);
        RegSetKeySecurity(reopened, DACL_SECURITY_INFORMATION, &sd);
        RegCloseKey(reopened);
    }
}

// Also run with LC_ALL=ja_JP.UTF-8, which gives Wine the double-byte code page 932.
TEST(Win32TimeZoneName, IsCutAtACharacterBoundaryInTheAnsiCodePage) {
    const UINT acp = GetACP();
    if (const std::wstring expected = Environment(L"DASHCAM_EXPECT_ACP"); !expected.empty()) {
        ASSERT_EQ(std::to_wstring(acp), expected) << "LC_ALL did not reach Wine";
    }
    if (acp != 932 && acp != 1252) GTEST_SKIP() << "no expectations for code page " << acp;

    const std::wstring sun(1, L'\u65e5');  // two bytes in code page 932, '?' in 1252
    const auto repeat = [](const std::string& piece, int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += piece;
        return s;
    };
    struct Case {
        std::wstring key;
        std::string in932, in1252;
    };
    std::wstring forty;
    for (int i = 0; i < 40; ++i) forty += sun;
    const Case cases[] = {
        {L"a" + forty, "a" + repeat("\x93\xFA", 15), "a" + std::string(30, '?')},
        {forty, repeat("\x93\xFA", 15), std::string(31, '?')},
        {std::wstring(30, L'x') + sun, std::string(30, 'x'), std::string(30, 'x') + "?"},
        {L"Tokyo Standard Time", "Tokyo Standard Time", "Tokyo Standard Time"},
    };

    MemoryTimeZoneDatabase database;
    for (const Case& c : cases) database.Add(c.key, c.key, c.key, -540);
    FixedTimeZone pc;
    CapturedOutput debug;
    const CTimeZoneInfoManager zones(database, pc, debug);
    Win32AnsiCodePage ansi;
    for (const Case& c : cases) {
        ConfigRecord record;
        record.SetTimeZoneName(std::string(31, 'z'));
        ASSERT_TRUE(StorePickedZone(zones, zones.FindZone(c.key, 540), record, ansi, debug));
        std::string want = acp == 932 ? c.in932 : c.in1252;
        want.resize(ConfigRecord::kTimeZoneNameSize, '\0');
        const auto field = record.Bytes().subspan(ConfigRecord::kTimeZoneNameOffset, ConfigRecord::kTimeZoneNameSize);
        EXPECT_EQ(std::string(field.begin(), field.end()), want) << c.key.size();
        if (acp == 932) {
            EXPECT_EQ(c.key.rfind(ansi.ToWide(record.TimeZoneName()), 0), 0u);
        }
    }
}
