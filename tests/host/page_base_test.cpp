#include <gtest/gtest.h>

#include "controls/page_layout.h"
#include "controls/scroll_math.h"

TEST(ScrollDelta, FollowsTheCodeAndStaysInRange) {
    struct Case {
        ScrollCode code;
        int pos, max, thumb;
        std::optional<int> want;
    };
    const Case cases[] = {
        {ScrollCode::LineUp, 0, 500, 0, 0},
        {ScrollCode::PageUp, 0, 500, 0, 0},
        {ScrollCode::LineUp, 50, 500, 0, -50},
        {ScrollCode::LineDown, 450, 500, 0, 50},
        {ScrollCode::LineDown, 500, 500, 0, 0},
        {ScrollCode::PageDown, 100, 500, 0, 400},
        {ScrollCode::PageDown, 0, 561, 0, 437},
        {ScrollCode::PageUp, 300, 561, 0, -300},
        {ScrollCode::ThumbTrack, 120, 500, 300, 180},
        {ScrollCode::ThumbPosition, 300, 500, 120, -180},
        {ScrollCode::ThumbTrack, 0, 561, 562, 562},  // the thumb's end is one past the maximum
        {ScrollCode::LineDown, 562, 561, 0, -1},     // and the next line step comes back by one
        {ScrollCode::Other, 100, 500, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollDelta({c.pos, c.max, 80, 437}, c.code, c.thumb), c.want)
            << static_cast<int>(c.code) << " at " << c.pos;
}

TEST(WheelDelta, MovesOneStepAtMost) {
    struct Case {
        int pos, wheel, want;
    };
    const Case cases[] = {{0, 120, 0}, {30, 120, -30}, {200, 960, -80}, {450, -120, 50}, {500, -120, 0}, {200, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(WheelDelta({c.pos, 500, 80, 437}, c.wheel), c.want) << c.pos << " " << c.wheel;
}

TEST(PageLayout, WidthsAndRules) {
    EXPECT_EQ(AutoItemWidth(100, 4, false), 116);
    EXPECT_EQ(AutoItemWidth(0, 4, true), 0);
    EXPECT_EQ(OptionLabelSize(0, 0), (Size{25, 25}));
    EXPECT_EQ(OptionLabelSize(80, 13), (Size{110, 13}));
    const RuleLine rule = SectionRule(20, 30, 120, 45, 683);
    EXPECT_EQ(rule.x1, 127);
    EXPECT_EQ(rule.x2, 668);
    EXPECT_EQ(rule.y, 37);
}

#include "app/popup_layout.h"

TEST(PopupLayout, ButtonsAndTextAreaFollowTheSizeAndLineBreaks) {
    const MsgPopupLayout question = LayOutMsgPopup(370, 170, L"If off,\r\nthe camera stops.\r\n");
    EXPECT_EQ(question.yes, (Box{90, 110, 85, 25}));
    EXPECT_EQ(question.no, (Box{195, 110, 85, 25}));
    EXPECT_EQ(question.text, (Box{0, 28, 360, 70}));
    for (const wchar_t* text : {L"one line", L"a\r\nb", L"a\r\nb\r\nc\r\nd"})
        EXPECT_EQ(LayOutMsgPopup(370, 170, text).text.height, 40) << text;
    const ProgPopupLayout progress = LayOutProgPopup(400, 150, L"Formatting.\r\nPlease wait.\r\n");
    EXPECT_EQ(progress.text, (Box{0, 28, 400, 50}));
    EXPECT_EQ(progress.bar, (Box{40, 80, 320, 30}));
    EXPECT_EQ(LayOutProgPopup(400, 150, L"x").text.height, 40);
    EXPECT_EQ(ClampProgress(120), 100);
    EXPECT_EQ(ClampProgress(60), 60);
}
