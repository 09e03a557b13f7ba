#include "pages/time_zone_record.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/time_zone_fakes.h"

namespace {

// A double-byte code page in miniature: Latin-1 in one byte, CJK ideographs in two, a
// surrogate pair in four (as UTF-8 would), anything else as '?'.
class DoubleByteCodePage final : public AnsiCodePage {
public:
    std::wstring ToWide(std::string_view bytes) const override {
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b == 0x88 && i + 1 < bytes.size())
                text += static_cast<wchar_t>(0x4E00 + static_cast<unsigned char>(bytes[++i]));
            else
                text += static_cast<wchar_t>(b);
        }
        return text;
    }
    std::string FromWide(std::wstring_view text) const override {
        std::string bytes;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const wchar_t c = text[i];
            if (c >= 0x4E00 && c < 0x4F00) {
                bytes += '\x88';
                bytes += static_cast<char>(c - 0x4E00);
            } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
                bytes += "\xF0\x9F\x98\x80";
                ++i;
            } else {
                bytes += c < 256 ? static_cast<char>(c) : '?';
            }
        }
        return bytes;
    }
};

std::string NameField(const ConfigRecord& record) {
    const auto bytes = record.Bytes().subspan(ConfigRecord::kTimeZoneNameOffset, ConfigRecord::kTimeZoneNameSize);
    return std::string(bytes.begin(), bytes.end());
}

std::string Padded(std::string name) {
    name.resize(ConfigRecord::kTimeZoneNameSize, '\0');
    return name;
}

class TimeZoneRecordTest : public ::testing::Test {
protected:
    void SetUp() override { pc.zone = {-540, 0, L"Tokyo Standard Time"}; }

    void SetRecordZone(const std::string& name, std::int32_t offset) {
        record.SetTimeZoneName(name);
        record.Set(Field::TimeZoneBias, offset);
    }

    MemoryTimeZoneDatabase db = SampleZoneDatabase();
    FixedTimeZone pc;
    CapturedOutput debug;
    Latin1CodePage ansi;
    ConfigRecord record;
};

}  // namespace

TEST(AnsiTextFitting, CutsAtACharacterBoundary) {
    DoubleByteCodePage ansi;
    const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDE00)};
    const auto ideographs = [](std::size_t n) {
        std::string bytes;
        for (std::size_t i = 0; i < n; ++i) bytes += "\x88\x01";
        return bytes;
    };
    struct Case {
        std::wstring text;
        std::string want;
    };
    const Case cases[] = {
        {std::wstring(31, L'a'), std::string(31, 'a')},
        {std::wstring(40, L'a'), std::string(31, 'a')},
        {std::wstring(29, L'a') + L"\u4e01", std::string(29, 'a') + ideographs(1)},
        {std::wstring(30, L'a') + L"\u4e01", std::string(30, 'a')},  // never half a character
        {std::wstring(16, L'\u4e01'), ideographs(15)},
        {std::wstring(27, L'a') + pair, std::string(27, 'a') + "\xF0\x9F\x98\x80"},
        {std::wstring(28, L'a') + pair, std::string(28, 'a')},  // a pair is one character
        {L"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(AnsiTextFitting(ansi, c.text, 31), c.want) << c.text.size();
}

TEST_F(TimeZoneRecordTest, ARecordZoneIsSelectedAndKept) {
    const CTimeZoneInfoManager zones(db, pc, debug);
    struct Case {
        const char* name;
        std::int32_t offset;
        const wchar_t* selected;
    };
    const Case cases[] = {
        {"Tokyo Standard Time", 540, L"Tokyo Standard Time"},  // although Korea sorts first
        {"Romance Standard Time", 60, L"Romance Standard Time"},
        {"Nowhere", 60, L"Central Europe Standard Time"},                  // first zone with the offset
        {"Mexico Standard Time", -360, L"Central America Standard Time"},  // excluded here
        {"", 60, L"Central Europe Standard Time"},                         // not completed: it has an offset
        {"Nowhere", 123, L"Tokyo Standard Time"},                          // the PC's zone
        {"Tokyo Standard Time", 0, L"GMT Standard Time"},
    };
    for (const Case& c : cases) {
        SetRecordZone(c.name, c.offset);
        const ConfigRecord before = record;
        debug.lines.clear();
        const int index = SelectRecordZone(zones, record, ansi, debug);
        ASSERT_GE(index, 0) << c.name;
        EXPECT_EQ(zones.Zone(index).KeyName, c.selected) << c.name << " " << c.offset;
        EXPECT_TRUE(std::equal(record.Bytes().begin(), record.Bytes().end(), before.Bytes().begin())) << c.name;
        ASSERT_EQ(debug.lines.size(), 1u);
        EXPECT_EQ(debug.lines[0],
                  FormatText(L"TimeZone Read  [%ls] Bias[%d]\n", ansi.ToWide(c.name).c_str(), c.offset));
    }
}

TEST_F(TimeZoneRecordTest, ARecordWithoutAZoneTakesThePcZone) {
    const CTimeZoneInfoManager zones(db, pc, debug);
    debug.lines.clear();
    const int index = SelectRecordZone(zones, record, ansi, debug);
    EXPECT_EQ(zones.Zone(index).KeyName, L"Tokyo Standard Time");
    EXPECT_EQ(NameField(record), Padded("Tokyo Standard Time"));
    EXPECT_EQ(record.Get(Field::TimeZoneBias), 540);
    EXPECT_EQ(debug.lines, std::vector<std::wstring>{L"TimeZone Read  [] Bias[0]\n"});

    // The PC's zone is not offered: the first zone stands in.
    ConfigRecord other;
    pc.zone = {0, 0, L"Coordinated Universal Time"};
    EXPECT_EQ(SelectRecordZone(zones, other, ansi, debug), 0);
    EXPECT_EQ(other.TimeZoneName(), "Korea Standard Time");
    EXPECT_EQ(other.Get(Field::TimeZoneBias), 540);
}

TEST_F(TimeZoneRecordTest, AnEmptyListSelectsNothingAndWritesNothing) {
    const MemoryTimeZoneDatabase empty;
    const CTimeZoneInfoManager zones(empty, pc, debug);
    for (const auto& [name, offset] : {std::pair<const char*, int>{"", 0}, {"Tokyo Standard Time", 540}, {"", 60}}) {
        SetRecordZone(name, offset);
        const ConfigRecord before = record;
        EXPECT_EQ(SelectRecordZone(zones, record, ansi, debug), -1) << name << " " << offset;
        EXPECT_TRUE(std::equal(record.Bytes().begin(), record.Bytes().end(), before.Bytes().begin()));
    }
    EXPECT_FALSE(StorePickedZone(zones, 0, record, ansi, debug));
}

TEST_F(TimeZoneRecordTest, APickReplacesTheWholeName) {
    const CTimeZoneInfoManager zones(db, pc, debug);
    const int longer = zones.FindZone(L"Central America Standard Time", -360);
    const int shorter = zones.FindZone(L"GMT Standard Time", 0);
    debug.lines.clear();

    ASSERT_TRUE(StorePickedZone(zones, longer, record, ansi, debug));
    EXPECT_EQ(NameField(record), Padded("Central America Standard Time"));
    EXPECT_EQ(record.Get(Field::TimeZoneBias), -360);
    ASSERT_TRUE(StorePickedZone(zones, shorter, record, ansi, debug));
    EXPECT_EQ(NameField(record), Padded("GMT Standard Time"));
    EXPECT_EQ(record.Get(Field::TimeZoneBias), 0);
    EXPECT_EQ(debug.lines, (std::vector<std::wstring>{L"TimeZone [Central America Standard Time] Bias[-360]\n",
                                                      L"TimeZone [GMT Standard Time] Bias[0]\n"}));
    EXPECT_EQ(SelectRecordZone(zones, record, ansi, debug), shorter);
}

TEST_F(TimeZoneRecordTest, NoPickWhenNothingIsSelected) {
    const CTimeZoneInfoManager zones(db, pc, debug);
    SetRecordZone("Tokyo Standard Time", 540);
    const ConfigRecord before = record;
    debug.lines.clear();
    for (int index : {-1, zones.Count()}) EXPECT_FALSE(StorePickedZone(zones, index, record, ansi, debug)) << index;
    EXPECT_TRUE(std::equal(record.Bytes().begin(), record.Bytes().end(), before.Bytes().begin()));
    EXPECT_TRUE(debug.lines.empty());
}

TEST_F(TimeZoneRecordTest, LongKeyNamesAreCutToFitWithTheirTerminator) {
    MemoryTimeZoneDatabase long_names;
    long_names.Add(L"Central Pacific Standard Time Extended", L"(UTC+11:00)", L"Central Pacific", -660);
    long_names.Add(std::wstring(14, L'a') + std::wstring(10, L'\u4e01'), L"(UTC+10:00)", L"Ideographs", -600);
    DoubleByteCodePage dbcs;
    const CTimeZoneInfoManager zones(long_names, pc, debug);

    ASSERT_TRUE(StorePickedZone(zones, 0, record, dbcs, debug));
    EXPECT_EQ(NameField(record), Padded("Central Pacific Standard Time E"));
    ASSERT_TRUE(StorePickedZone(zones, 1, record, dbcs, debug));
    std::string want(14, 'a');
    for (int i = 0; i < 8; ++i) want += "\x88\x01";  // 30 bytes: a ninth ideograph would need 32
    EXPECT_EQ(NameField(record), Padded(want));

    // Completing an empty record cuts the same way.
    ConfigRecord empty;
    pc.zone = {-600, 0, L"Ideographs"};
    EXPECT_EQ(SelectRecordZone(zones, empty, dbcs, debug), 1);
    EXPECT_EQ(NameField(empty), Padded(want));
    EXPECT_EQ(empty.Get(Field::TimeZoneBias), 600);
}
