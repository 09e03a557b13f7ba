#include "pages/system_rules.h"

#include <gtest/gtest.h>

#include "resource.h"

TEST(SystemRules, VoiceGuidanceOffKeepsTheVolume) {
    ConfigRecord record;
    record.Set(Field::VoiceGuidanceEnable, 1);
    record.Set(Field::VoiceGuidanceVolume, 3);
    EXPECT_EQ(VoiceSliderPosition(record), 3);
    StoreVoiceSliderPosition(record, 0);
    EXPECT_EQ(record.Get(Field::VoiceGuidanceEnable), 0);
    EXPECT_EQ(record.Get(Field::VoiceGuidanceVolume), 3);
    EXPECT_EQ(VoiceSliderPosition(record), 0);
    StoreVoiceSliderPosition(record, 1);
    EXPECT_EQ(record.Get(Field::VoiceGuidanceEnable), 1);
    EXPECT_EQ(record.Get(Field::VoiceGuidanceVolume), 1);
}

TEST(SystemRules, StoredValuesCheckTheirButtons) {
    struct Case {
        std::int32_t lcdOff, led, dst, speed, stamp, wayguard;
        SystemOptionChecks want;
    };
    const Case cases[] = {
        {0,
         0,
         0,
         0,
         0,
         0,
         {IDC_SYS_LCD_NEVER, IDC_SYS_LED_OFF, IDC_SYS_DST_OFF, IDC_SYS_KMH, IDC_SYS_STAMP_OFF, IDC_SYS_WAYGUARD_OFF}},
        {30000,
         1,
         1,
         1,
         1,
         1,
         {IDC_SYS_LCD_30S, IDC_SYS_LED_ON, IDC_SYS_DST_ON, IDC_SYS_MPH, IDC_SYS_STAMP_ON, IDC_SYS_WAYGUARD_ON}},
        {12345,
         2,
         5,
         7,
         5,
         2,
         {IDC_SYS_LCD_30S, IDC_SYS_LED_MODE2, IDC_SYS_DST_ON, IDC_SYS_MPH, IDC_SYS_STAMP_OFF, IDC_SYS_WAYGUARD_OFF}},
        {600000,
         9,
         0,
         0,
         0,
         0,
         {IDC_SYS_LCD_10MIN, 0, IDC_SYS_DST_OFF, IDC_SYS_KMH, IDC_SYS_STAMP_OFF, IDC_SYS_WAYGUARD_OFF}},
    };
    for (const Case& c : cases) {
        ConfigRecord record;
        record.Set(Field::LcdOff, c.lcdOff);
        record.Set(Field::SecurityLed, c.led);
        record.Set(Field::DaylightSaving, c.dst);
        record.Set(Field::SpeedUnit, c.speed);
        record.Set(Field::SpeedStamp, c.stamp);
        record.Set(Field::WayguardVoiceEnable, c.wayguard);
        EXPECT_EQ(CheckedSystemOptions(record), c.want) << c.lcdOff;
    }
}

TEST(SystemRules, OptionsWriteTheirValues) {
    ConfigRecord record;
    record.Set(Field::LcdOff, 12345);
    EXPECT_TRUE(StoreSystemOption(record, IDC_SYS_LCD_10MIN));
    EXPECT_EQ(record.Get(Field::LcdOff), 600000);
    EXPECT_TRUE(StoreSystemOption(record, IDC_SYS_LED_MODE3));
    EXPECT_EQ(record.Get(Field::SecurityLed), 3);
    EXPECT_TRUE(StoreSystemOption(record, IDC_SYS_MPH));
    EXPECT_EQ(record.Get(Field::SpeedUnit), 1);
    EXPECT_FALSE(StoreSystemOption(record, IDC_SYS_UNUSED_1384));  // in the stamp range, but writes nothing
    EXPECT_EQ(record.Get(Field::SpeedStamp), 0);
}
