#pragma once
// time.dat: the one-line clock setting the camera applies at its next start.

#include <cstdint>
#include <string>

#include "platform/platform.h"

// The SYSTEMTIME layout; the file uses year, month, day, hour, minute and second.
struct ClockTime {
    std::uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

// The pending clock setting shared by the system page and Save. Save writes time.dat
// while ClockSettingEnabled is non-zero and deletes it otherwise.
extern ClockTime ClockSetting;
extern int ClockSettingEnabled;

// "2015,03,07,14,05,09,+0900": standardBias in minutes as the PC reports it (UTC = local + bias).
std::string FormatClockLine(const ClockTime& time, std::int32_t standardBias);

class ClockFile {
public:
    ClockFile(FileSystem& files, PcTimeZone& timeZone) : files_(files), timeZone_(timeZone) {}

    // Writes the pending setting to path, or deletes path when the option is off.
    // A failed write removes the file again, so the camera never reads a partial line.
    bool Write(const std::wstring& path);

private:
    FileSystem& files_;
    PcTimeZone& timeZone_;
};
