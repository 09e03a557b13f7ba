#include "controls/scroll_math.h"

#include <algorithm>

std::optional<int> ScrollDelta(const ScrollState& s, ScrollCode code, int thumb) {
    switch (code) {
        case ScrollCode::LineUp:
            return -std::min(s.step, s.pos);
        case ScrollCode::LineDown:
            return std::min(s.step, s.max - s.pos);
        case ScrollCode::PageUp:
            return -std::min(s.page, s.pos);
        case ScrollCode::PageDown:
            return std::min(s.page, s.max - s.pos);
        case ScrollCode::ThumbPosition:
        case ScrollCode::ThumbTrack:
            return thumb - s.pos;
        case ScrollCode::Other:
            return std::nullopt;
    }
    return std::nullopt;
}

int WheelDelta(const ScrollState& s, int wheelDelta) {
    if (wheelDelta > 0) return -std::min(s.step, s.pos);
    if (wheelDelta < 0) return std::min(s.step, s.max - s.pos);
    return 0;
}
