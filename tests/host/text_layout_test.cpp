#include "controls/text_layout.h"

#include <gtest/gtest.h>

TEST(TextLayout, BlendTextOffsets) {
    struct Case {
        int boxWidth, boxHeight, textWidth, textHeight, alignment;
        TextOffset want;
    };
    constexpr Case kCases[] = {
        {400, 20, 120, 16, 0, {0, 2}},                                  // the title: left edge, centred vertically
        {400, 21, 120, 16, 0, {0, 2}},                                  // odd free height: truncated
        {130, 35, 100, 16, 1, {15, 9}},                                 // even free width
        {130, 35, 101, 16, 1, {15, 9}},                                 // odd free width: the odd pixel goes left
        {130, 35, 129, 16, 1, {1, 9}},  {100, 10, 140, 16, 1, {0, 0}},  // larger than the box: its corner
        {100, 10, 103, 16, 1, {0, 0}},  {100, 35, 40, 16, 7, {0, 9}},   // unknown alignment: left edge
    };
    for (const Case& c : kCases)
        EXPECT_EQ(BlendTextOffset(c.boxWidth, c.boxHeight, c.textWidth, c.textHeight, c.alignment), c.want)
            << c.boxWidth << "x" << c.boxHeight << " text " << c.textWidth << "x" << c.textHeight;
}

TEST(TextLayout, CentredCaptionTop) {
    EXPECT_EQ(CentredTextTop(2, 37, 13), 13);  // tab 140 x 37
    EXPECT_EQ(CentredTextTop(3, 28, 13), 9);   // push button 100 x 29
    EXPECT_EQ(CentredTextTop(0, 10, 13), -1);  // font taller than the box: truncated toward zero
}

TEST(TextLayout, TextPixelsArePremultiplied) {
    EXPECT_EQ(TextPixel(214, 223, 233, 255), MakeArgb(255, 214, 223, 233));
    EXPECT_EQ(TextPixel(255, 255, 255, 255), 0xFFFFFFFFu);
    EXPECT_EQ(TextPixel(214, 223, 233, 0), 0u);
    EXPECT_EQ(TextPixel(255, 100, 0, 51), MakeArgb(51, 51, 20, 0));
}
