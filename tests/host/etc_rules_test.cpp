#include "pages/etc_rules.h"

#include <gtest/gtest.h>

TEST(PartitionShares, BarsAndTextsForEveryType) {
    struct Case {
        int partition;
        std::array<int, 5> widths;
        std::array<const wchar_t*, 5> texts;
    };
    const Case cases[] = {
        {1, {272, 90, 22, 13, 45}, {L"60.6%", L"20.0%", L"5.0%", L"3.0%", L"10.0%"}},
        {2, {163, 67, 22, 13, 180}, {L"36.3%", L"15.0%", L"5.0%", L"3.0%", L"40.0%"}},
        {3, {241, 67, 67, 22, 45}, {L"53.6%", L"15.0%", L"15.0%", L"5.0%", L"10.0%"}},
        {0, {272, 90, 22, 13, 45}, {L"60.6%", L"20.0%", L"5.0%", L"3.0%", L"10.0%"}},
        {-7, {272, 90, 22, 13, 45}, {L"60.6%", L"20.0%", L"5.0%", L"3.0%", L"10.0%"}},
    };
    for (const Case& c : cases) {
        const ShareRow& row = PartitionShares(c.partition);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(ShareBarWidth(row[i]), c.widths[i]) << "type " << c.partition << " bar " << i;
            EXPECT_EQ(ShareText(row[i]), c.texts[i]) << "type " << c.partition << " bar " << i;
        }
    }
}
