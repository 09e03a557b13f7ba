#include "config/clock_file.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

TEST(ClockLine, CarriesThePcStandardOffset) {
    struct Case {
        std::uint16_t year;
        std::int32_t bias;
        const char* want;
    };
    const Case cases[] = {
        {2015, -540, "2015,03,07,14,05,09,+0900"}, {2015, 210, "2015,03,07,14,05,09,-0330"},
        {2015, -345, "2015,03,07,14,05,09,+0545"}, {2015, 570, "2015,03,07,14,05,09,-0930"},
        {2015, 0, "2015,03,07,14,05,09,-0000"},    {999, -60, " 999,03,07,14,05,09,+0100"},
    };
    for (const Case& c : cases) {
        ClockTime t{c.year, 3, 6, 7, 14, 5, 9, 500};
        EXPECT_EQ(FormatClockLine(t, c.bias), c.want) << c.bias;
    }
}

class ClockFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClockSetting = {2026, 12, 5, 11, 8, 30, 0, 0};
        ClockSettingEnabled = 1;
    }
    void TearDown() override { ClockSettingEnabled = 0; }

    MemoryFileSystem files;
    FixedTimeZone zone{-540};
    ClockFile clock{files, zone};
    const std::wstring path = L"E:\\time.dat";
};

TEST_F(ClockFileTest, OptionOffDeletesTheFile) {
    ClockSettingEnabled = 0;
    files.Bytes(path) = {'x'};
    EXPECT_TRUE(clock.Write(path));
    EXPECT_FALSE(files.Exists(path));
    EXPECT_TRUE(clock.Write(path));  // nothing to delete is fine too
}

TEST_F(ClockFileTest, OptionOnReplacesTheFileWithOneLine) {
    files.Bytes(path) = std::vector<std::uint8_t>(100, 'x');
    EXPECT_TRUE(clock.Write(path));
    const auto& bytes = files.Bytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "2026,12,11,08,30,00,+0900");
}

TEST_F(ClockFileTest, AFailedWriteLeavesNoPartialFile) {
    struct Fault {
        std::size_t budget;
        bool flush, close;
    };
    for (Fault f : {Fault{10, false, false}, Fault{SIZE_MAX, true, false}, Fault{SIZE_MAX, false, true}}) {
        files.writeBudget = f.budget;
        files.failFlush = f.flush;
        files.failClose = f.close;
        EXPECT_FALSE(clock.Write(path));
        EXPECT_FALSE(files.Exists(path));
    }
}

TEST_F(ClockFileTest, AFileThatCannotBeOpenedIsAFailure) {
    files.locked = {path};
    EXPECT_FALSE(clock.Write(path));
}
