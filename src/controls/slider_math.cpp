#include "controls/slider_math.h"

#include <cwchar>

namespace {

template <class List>
bool InList(const List& list, int position) {
    return position >= 0 && position < static_cast<int>(list.size());
}

std::wstring Decimal(int value) {
    return std::to_wstring(value);
}

std::wstring OneDecimal(float value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%0.1f", static_cast<double>(value));
    return text;
}

}  // namespace

std::wstring SliderValueText(int mode, int position) {
    switch (mode) {
        case kTimerHours:
        case kTimerHours2:
            if (InList(StopTimerHours, position)) return Decimal(StopTimerHours[position]);
            break;
        case kVolts12:
            if (InList(Voltages12V, position)) return OneDecimal(Voltages12V[position]);
            break;
        case kVolts24:
            if (InList(Voltages24V, position)) return OneDecimal(Voltages24V[position]);
            break;
        case kMotion:
            if (InList(MotionLevels, position)) return Decimal(MotionLevels[position]);
            break;
        default:
            break;
    }
    return Decimal(position);
}

std::vector<TickLabelSpot> TickLabelSpots(int left, int right, int count, unsigned flags) {
    std::vector<TickLabelSpot> spots;
    const float first = static_cast<float>(left + 14);
    const float step = count > 1 ? static_cast<float>(right - left - 27) / static_cast<float>(count - 1) : 0.0f;
    if (flags & kLabelAll) {
        if (count < 2) return spots;
        float x = first;
        for (int i = 0; i < count; ++i, x += step) spots.push_back({i, x});
        return spots;
    }
    auto add = [&](int index) {
        if (index >= 0 && index < count)
            spots.push_back({index, static_cast<float>(static_cast<int>(first + static_cast<float>(index) * step))});
    };
    if (flags & kLabelEnds) {
        add(0);
        add(count - 1);
    }
    if (flags & kLabelUpperMiddle) add((count + 1) / 2);
    if (flags & kLabelLowerMiddle) add((count - 1) / 2);
    return spots;
}

LabelRect TickLabelRect(float centre, int width, int height, int bottom) {
    return {static_cast<int>(centre - static_cast<float>(width / 2)), bottom - height,
            static_cast<int>(centre + static_cast<float>(width)), bottom};
}
