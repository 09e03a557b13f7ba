#pragma once
// What a settings slider shows: the value a position stands for (tooltip) and where
// its tick labels go.

#include <array>
#include <string>
#include <vector>

inline constexpr std::array<int, 4> StopTimerHours = {6, 12, 24, 48};
inline constexpr std::array<int, 4> MotionLevels = {0, 1, 3, 5};
inline constexpr std::array<float, 8> Voltages12V = {11.6f, 11.7f, 11.8f, 11.9f, 12.0f, 12.1f, 12.2f, 12.3f};
inline constexpr std::array<float, 8> Voltages24V = {23.2f, 23.4f, 23.6f, 23.8f, 24.0f, 24.2f, 24.4f, 24.6f};

enum SliderValueMode { kRawPosition = 0, kTimerHours = 1, kVolts12 = 2, kVolts24 = 3, kTimerHours2 = 4, kMotion = 5 };

// The tooltip text for position p in a value mode. A position outside a mode's list
// (which the page's range prevents) shows the raw position rather than reading past it.
std::wstring SliderValueText(int mode, int position);

enum TickLabelFlags : unsigned {
    kLabelEnds = 0x01,
    kLabelUpperMiddle = 0x04,  // index (n + 1) / 2
    kLabelLowerMiddle = 0x08,  // index (n - 1) / 2
    kLabelAll = 0x10,          // every label, evenly spaced; the other bits are ignored
};

struct TickLabelSpot {
    int index;     // which label
    float centre;  // its horizontal centre in client pixels
    bool operator==(const TickLabelSpot&) const = default;
};

// The labels to draw, in drawing order, for a client area from left to right. The first
// centre is 14 pixels in, the last 13 pixels before the right edge. Labels a flag names
// but the list does not have are skipped.
std::vector<TickLabelSpot> TickLabelSpots(int left, int right, int count, unsigned flags);

struct LabelRect {
    int left, top, right, bottom;
    bool operator==(const LabelRect&) const = default;
};

// The text rectangle of a label of width w and height h centred on x and standing on bottom.
LabelRect TickLabelRect(float centre, int width, int height, int bottom);
