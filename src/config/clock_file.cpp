#include "config/clock_file.h"

#include <cstdio>
#include <cstdlib>
#include <span>

ClockTime ClockSetting{};
int ClockSettingEnabled = 0;

std::string FormatClockLine(const ClockTime& t, std::int32_t standardBias) {
    // The camera wants minutes east of UTC, and UTC itself is written as -0000.
    const std::int64_t east = -std::int64_t{standardBias};
    const std::int64_t magnitude = std::llabs(east);
    char line[64];
    std::snprintf(line, sizeof line, "%4d,%02d,%02d,%02d,%02d,%02d,%c%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, east > 0 ? '+' : '-', static_cast<int>(magnitude / 60),
                  static_cast<int>(magnitude % 60));
    return line;
}

bool ClockFile::Write(const std::wstring& path) {
    if (ClockSettingEnabled == 0) {
        files_.Delete(path);
        return true;
    }
    auto file = files_.Open(path, FileOpen::WriteTruncate);
    if (!file) return false;
    const std::string line = FormatClockLine(ClockSetting, timeZone_.StandardBias());
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(line.data()), line.size());
    const bool written = file->Write(bytes) && file->Flush();
    const bool closed = file->Close();
    if (written && closed) return true;
    file.reset();
    files_.Delete(path);
    return false;
}
