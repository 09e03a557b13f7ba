#include "pages/parking_rules.h"

#include <algorithm>
#include <array>

#include "controls/slider_math.h"

namespace {

template <class List>
int IndexOf(const List& list, std::int32_t value) {
    auto at = std::find(list.begin(), list.end(), value);
    return static_cast<int>(at - list.begin());  // the list's size when absent
}

template <class List>
std::int32_t At(const List& list, int position) {
    return list[std::clamp(position, 0, static_cast<int>(list.size()) - 1)];
}

}  // namespace

int MotionPosition(std::int32_t motionSensitivity) {
    return IndexOf(MotionLevels, motionSensitivity);
}

int TimerPosition(std::int32_t stopRecordingTimer) {
    constexpr std::array<int, 5> kTimerValues = {0, 6, 12, 24, 48};
    return IndexOf(kTimerValues, stopRecordingTimer) - 1;
}

void StoreSliderPosition(ConfigRecord& record, ParkingSlider slider, int position) {
    switch (slider) {
        case ParkingSlider::Impact:
            record.Set(Field::ImpactSensitivity, position);
            break;
        case ParkingSlider::Brightness:
            record.Set(Field::FrontCameraBrightness, position);
            break;
        case ParkingSlider::ParkingImpact:
            record.Set(Field::ParkingImpactSensitivity, position);
            break;
        case ParkingSlider::Motion:
            record.Set(Field::MotionSensitivity, At(MotionLevels, position));
            break;
        case ParkingSlider::Timer:
            record.Set(Field::StopRecordingTimer, At(StopTimerHours, position));
            break;
        case ParkingSlider::Voltage12:
            record.Set(Field::StopRecordingVoltage12V, position);
            break;
        case ParkingSlider::Voltage24:
            record.Set(Field::StopRecordingVoltage24V, position);
            break;
    }
}

ParkingSliderStates ParkingSliderStatesFor(std::int32_t surveillanceEnable, bool enable) {
    if (surveillanceEnable == 0) return {false, false, false, false, false};
    return {enable, enable, enable, true, true};
}

void StoreBatteryBit(ConfigRecord& record, int bit, bool checked) {
    std::uint32_t bits = record.GetU32(Field::BatteryAutoSetting);
    const std::uint32_t mask = 1u << bit;
    bits = checked ? bits | mask : bits & ~mask;
    record.SetU32(Field::BatteryAutoSetting, bits);
}
