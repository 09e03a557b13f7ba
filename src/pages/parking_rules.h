#pragma once
// The record settings page's mapping between its controls and the record.

#include <cstdint>

#include "config/config_record.h"

// The motion slider position for a stored sensitivity; 4 (beyond the slider, so shown
// at its last position) for a value not in the list.
int MotionPosition(std::int32_t motionSensitivity);
// The timer slider position for a stored timer: its index in {0, 6, 12, 24, 48} less
// one, so 0 shows as the first position (-1) and an unlisted value as the last (4).
int TimerPosition(std::int32_t stopRecordingTimer);

// The slider ids are the template's control ids.
enum class ParkingSlider { Impact, Brightness, ParkingImpact, Motion, Timer, Voltage12, Voltage24 };

// Stores a slider's new position: positions for sensitivities, brightness and voltages
// (the voltage index, never the voltage), the listed value for motion and timer.
void StoreSliderPosition(ConfigRecord& record, ParkingSlider slider, int position);

// Which parking sliders are enabled: with parking mode off none; otherwise the voltage
// sliders always, and timer, impact and motion as asked.
struct ParkingSliderStates {
    bool timer, parkingImpact, motion, voltage12, voltage24;
    bool operator==(const ParkingSliderStates&) const = default;
};
ParkingSliderStates ParkingSliderStatesFor(std::int32_t surveillanceEnable, bool enable);

// A hidden battery check box changed: checked sets its bit, unchecked clears it.
void StoreBatteryBit(ConfigRecord& record, int bit, bool checked);
