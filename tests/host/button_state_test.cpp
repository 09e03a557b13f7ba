#include "controls/button_state.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using S = ButtonState;
using E = ButtonEvent;
constexpr auto Track = ButtonEffect::TrackLeave;
constexpr auto Click = ButtonEffect::PostClick;
constexpr auto Redraw = ButtonEffect::Redraw;

// Facts: plain button, tab (has a selected image) not selected, selected tab; with a
// disabled image.
constexpr ButtonFacts kPlain{false, false, false};
constexpr ButtonFacts kTab{false, true, false};
constexpr ButtonFacts kSelectedTab{true, true, false};
constexpr ButtonFacts kWithDisabled{false, false, true};
constexpr ButtonFacts kSelectedWithDisabled{true, true, true};

struct Case {
    const char* name;
    S state;
    E event;
    ButtonFacts facts;
    S want;
    bool wantSelected;
    std::vector<ButtonEffect> effects;
};

const Case kCases[] = {
    {"hovering starts leave tracking", S::Normal, E::MouseMove, kPlain, S::Hover, false, {Track, Redraw}},
    {"a selected tab stays selected", S::Selected, E::MouseMove, kSelectedTab, S::Selected, true, {Track}},
    {"moving on a hovered button", S::Hover, E::MouseMove, kPlain, S::Hover, false, {}},
    {"moving on a pressed button", S::Pressed, E::MouseMove, kPlain, S::Pressed, false, {}},
    {"moving on a disabled button", S::Disabled, E::MouseMove, kWithDisabled, S::Disabled, false, {}},

    {"leaving a hovered button", S::Hover, E::MouseLeave, kPlain, S::Normal, false, {Redraw}},
    {"leaving a pressed button", S::Pressed, E::MouseLeave, kTab, S::Normal, false, {Redraw}},
    {"leaving a normal button", S::Normal, E::MouseLeave, kPlain, S::Normal, false, {}},
    {"leaving a selected tab", S::Selected, E::MouseLeave, kSelectedTab, S::Selected, true, {}},
    {"leaving a pressed selected tab", S::Pressed, E::MouseLeave, kSelectedTab, S::Pressed, true, {}},
    {"leaving a disabled button", S::Disabled, E::MouseLeave, kWithDisabled, S::Disabled, false, {}},

    {"pressing", S::Hover, E::LeftDown, kPlain, S::Pressed, false, {Redraw}},
    {"pressing a selected tab", S::Selected, E::LeftDown, kSelectedTab, S::Pressed, true, {Redraw}},
    {"pressing a disabled button", S::Disabled, E::LeftDown, kWithDisabled, S::Disabled, false, {}},

    {"a click posts before the look changes", S::Pressed, E::LeftUp, kPlain, S::Hover, false, {Click, Redraw}},
    {"a click on a tab", S::Pressed, E::LeftUp, kTab, S::Hover, false, {Click, Redraw}},
    {"a click on the selected tab keeps it pressed", S::Pressed, E::LeftUp, kSelectedTab, S::Pressed, true, {Click}},
    {"selected without a selected image", S::Pressed, E::LeftUp, {true, false, false}, S::Hover, true, {Click, Redraw}},
    {"a release without a press", S::Hover, E::LeftUp, kPlain, S::Hover, false, {}},
    {"a release that did not start here", S::Normal, E::LeftUp, kPlain, S::Hover, false, {Redraw}},
    {"a release on a selected tab", S::Selected, E::LeftUp, kSelectedTab, S::Selected, true, {}},
    {"a release on a disabled button", S::Disabled, E::LeftUp, kWithDisabled, S::Disabled, false, {}},

    {"enabling a disabled button", S::Disabled, E::Enable, kWithDisabled, S::Normal, false, {Redraw}},
    {"enabling a disabled selected tab", S::Disabled, E::Enable, kSelectedWithDisabled, S::Selected, true, {Redraw}},
    {"enabling an enabled button", S::Hover, E::Enable, kPlain, S::Hover, false, {}},
    {"disabling with a disabled image", S::Hover, E::Disable, kWithDisabled, S::Disabled, false, {Redraw}},
    {"disabling without a disabled image", S::Hover, E::Disable, kPlain, S::Hover, false, {}},

    {"selecting", S::Hover, E::Select, kTab, S::Selected, true, {Redraw}},
    {"selecting the pressed selected tab", S::Pressed, E::Select, kSelectedTab, S::Selected, true, {Redraw}},
    {"selecting again", S::Selected, E::Select, kSelectedTab, S::Selected, true, {}},
    {"deselecting", S::Selected, E::Deselect, kSelectedTab, S::Normal, false, {Redraw}},
    {"deselecting a hovered tab", S::Hover, E::Deselect, kTab, S::Normal, false, {Redraw}},
};

}  // namespace

TEST(ButtonState, FollowsTheEventTable) {
    for (const Case& c : kCases) {
        const ButtonStep step = NextButtonState(c.state, c.event, c.facts);
        EXPECT_EQ(step.state, c.want) << c.name;
        EXPECT_EQ(step.selected, c.wantSelected) << c.name;
        EXPECT_EQ(step.effects, c.effects) << c.name;
    }
}

TEST(ButtonState, ATabClickRoundTrip) {
    // Hover, press, release on a tab; the owner then selects it. Clicking it again shows the
    // press until the owner selects it once more.
    ButtonFacts facts = kTab;
    S state = S::Normal;
    std::vector<ButtonEffect> all;
    for (E event : {E::MouseMove, E::LeftDown, E::LeftUp, E::Select, E::MouseMove, E::LeftDown, E::LeftUp}) {
        const ButtonStep step = NextButtonState(state, event, facts);
        state = step.state;
        facts.selected = step.selected;
        all.insert(all.end(), step.effects.begin(), step.effects.end());
    }
    EXPECT_EQ(state, S::Pressed);
    EXPECT_TRUE(facts.selected);
    EXPECT_EQ(std::count(all.begin(), all.end(), Click), 2);
    EXPECT_EQ(NextButtonState(state, E::Select, facts).state, S::Selected);
}
