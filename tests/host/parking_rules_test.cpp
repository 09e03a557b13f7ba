#include "pages/parking_rules.h"

#include <gtest/gtest.h>

TEST(ParkingRules, StoredValuesToSliderPositions) {
    const std::pair<int, int> motion[] = {{0, 0}, {1, 1}, {3, 2}, {5, 3}, {2, 4}, {-1, 4}};
    for (auto [value, want] : motion) EXPECT_EQ(MotionPosition(value), want) << value;
    const std::pair<int, int> timer[] = {{0, -1}, {6, 0}, {12, 1}, {24, 2}, {48, 3}, {7, 4}};
    for (auto [value, want] : timer) EXPECT_EQ(TimerPosition(value), want) << value;
}

TEST(ParkingRules, SlidersStorePositionsOrListedValues) {
    struct Case {
        ParkingSlider slider;
        int position;
        Field field;
        std::int32_t want;
    };
    const Case cases[] = {
        {ParkingSlider::Impact, 4, Field::ImpactSensitivity, 4},
        {ParkingSlider::Brightness, 2, Field::FrontCameraBrightness, 2},
        {ParkingSlider::ParkingImpact, 1, Field::ParkingImpactSensitivity, 1},
        {ParkingSlider::Motion, 0, Field::MotionSensitivity, 0},
        {ParkingSlider::Motion, 2, Field::MotionSensitivity, 3},
        {ParkingSlider::Timer, 3, Field::StopRecordingTimer, 48},
        {ParkingSlider::Voltage12, 7, Field::StopRecordingVoltage12V, 7},
        {ParkingSlider::Voltage24, 4, Field::StopRecordingVoltage24V, 4},
    };
    for (const Case& c : cases) {
        ConfigRecord record;
        StoreSliderPosition(record, c.slider, c.position);
        EXPECT_EQ(record.Get(c.field), c.want) << static_cast<int>(c.slider);
    }
}

TEST(ParkingRules, ParkingModeDecidesWhichSlidersWork) {
    EXPECT_EQ(ParkingSliderStatesFor(0, true), (ParkingSliderStates{false, false, false, false, false}));
    EXPECT_EQ(ParkingSliderStatesFor(1, true), (ParkingSliderStates{true, true, true, true, true}));
    EXPECT_EQ(ParkingSliderStatesFor(1, false), (ParkingSliderStates{false, false, false, true, true}));
    EXPECT_EQ(ParkingSliderStatesFor(2, true), (ParkingSliderStates{true, true, true, true, true}));
}

TEST(ParkingRules, BatteryBitsFollowTheirBoxes) {
    ConfigRecord record;
    record.SetU32(Field::BatteryAutoSetting, 0x80000001u);
    StoreBatteryBit(record, 3, true);
    EXPECT_EQ(record.GetU32(Field::BatteryAutoSetting), 0x80000009u);
    StoreBatteryBit(record, 0, false);
    EXPECT_EQ(record.GetU32(Field::BatteryAutoSetting), 0x80000008u);
}
