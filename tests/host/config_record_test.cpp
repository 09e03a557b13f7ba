#include "config/config_record.h"

#include <gtest/gtest.h>

TEST(ConfigRecord, FieldsAreLittleEndianAtTheirOffsets) {
    ConfigRecord record;
    record.Set(Field::LanguageIndex, -1);
    record.SetU32(Field::ConfigVersion, 0x00010002);
    record.Set(Field::TimeZoneBias, 540);
    auto bytes = record.Bytes();
    EXPECT_EQ(bytes[428], 0xFF);
    EXPECT_EQ(bytes[431], 0xFF);
    EXPECT_EQ(bytes[4], 0x02);
    EXPECT_EQ(bytes[6], 0x01);
    EXPECT_EQ(bytes[372], 0x1C);
    EXPECT_EQ(bytes[373], 0x02);
    EXPECT_EQ(record.Get(Field::LanguageIndex), -1);
    EXPECT_EQ(record.GetU32(Field::LanguageIndex), 0xFFFFFFFFu);
}

TEST(ConfigRecord, ProductNameStopsAtNulOrSixteenBytes) {
    ConfigRecord record;
    std::string full = "ABCDEFGHIJKLMNOP";
    std::copy(full.begin(), full.end(), record.Bytes().begin() + 8);
    record.Bytes()[24] = 'X';  // the next field must not leak into the name
    EXPECT_EQ(record.ProductName(), full);
    record.Bytes()[12] = 0;
    EXPECT_EQ(record.ProductName(), "ABCD");
}

TEST(ConfigRecord, TimeZoneNameIsZeroFilledAndAlwaysTerminated) {
    ConfigRecord record;
    record.SetTimeZoneName(std::string(40, 'L'));
    EXPECT_EQ(record.TimeZoneName(), std::string(31, 'L'));
    EXPECT_EQ(record.Bytes()[380 + 31], 0);
    record.SetTimeZoneName("UTC");
    EXPECT_EQ(record.TimeZoneName(), "UTC");
    for (int i = 383; i < 412; ++i) EXPECT_EQ(record.Bytes()[i], 0) << i;
    EXPECT_EQ(record.Bytes()[412], 0);
}
