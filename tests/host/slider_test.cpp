#include <gtest/gtest.h>

#include "controls/slider_math.h"

TEST(SliderValueText, ShowsWhatThePositionStandsFor) {
    struct Case {
        int mode, position;
        const wchar_t* want;
    };
    const Case cases[] = {
        {kVolts12, 0, L"11.6"},  {kVolts12, 7, L"12.3"}, {kVolts24, 4, L"24.0"},   {kVolts24, 7, L"24.6"},
        {kMotion, 0, L"0"},      {kMotion, 2, L"3"},     {kTimerHours2, 3, L"48"}, {kTimerHours, 1, L"12"},
        {kRawPosition, 3, L"3"}, {99, 4, L"4"},          {kVolts12, 8, L"8"},      {kMotion, -1, L"-1"},
    };
    for (const Case& c : cases) EXPECT_EQ(SliderValueText(c.mode, c.position), c.want) << c.mode << "/" << c.position;
}

TEST(TickLabelSpots, FlagsChooseTheLabelsAndTheirOrder) {
    auto indexes = [](int count, unsigned flags) {
        std::vector<int> got;
        for (const TickLabelSpot& s : TickLabelSpots(0, 350, count, flags)) got.push_back(s.index);
        return got;
    };
    EXPECT_EQ(indexes(5, 0x09), (std::vector<int>{0, 4, 2}));
    EXPECT_EQ(indexes(8, 0x05), (std::vector<int>{0, 7, 4}));
    EXPECT_EQ(indexes(4, 0x10), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(indexes(4, 0x11), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(indexes(1, 0x10).empty());
    EXPECT_TRUE(indexes(5, 0).empty());
    EXPECT_EQ(indexes(1, 0x0D), (std::vector<int>{0, 0, 0}));  // index 1 does not exist: skipped
}

TEST(TickLabelSpots, CentresAreEvenlySpacedAndTruncated) {
    std::vector<int> centres;
    for (const TickLabelSpot& s : TickLabelSpots(0, 350, 5, 0x10)) centres.push_back(static_cast<int>(s.centre));
    EXPECT_EQ(centres, (std::vector<int>{14, 94, 175, 256, 337}));
    const auto ends = TickLabelSpots(0, 350, 5, 0x01);
    EXPECT_EQ(ends[1], (TickLabelSpot{4, 337.0f}));
    EXPECT_EQ(TickLabelRect(94.75f, 11, 13, 55), (LabelRect{89, 42, 105, 55}));
}
