#pragma once
// Vertical scrolling of a settings page taller than its viewport: how far one scroll-bar
// message or one wheel message moves the content.

#include <optional>

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Other };

struct ScrollState {
    int pos;   // current offset, 0 = top of the page visible
    int max;   // largest offset the line and page steps reach
    int step;  // one line step or one wheel message
    int page;  // the scroll bar's page size
};

// The offset change for a scroll-bar message; none when the message is to be ignored
// entirely. Thumb messages take whatever position the scroll bar reports, which at the
// end of its range is one past max: the next line step then moves back by one.
std::optional<int> ScrollDelta(const ScrollState& s, ScrollCode code, int thumb);
// The offset change for a wheel message: at most one step, whatever the wheel delta.
int WheelDelta(const ScrollState& s, int wheelDelta);
