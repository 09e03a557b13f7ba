#include "config/config_record.h"

#include <algorithm>
#include <cstring>

std::uint32_t ConfigRecord::GetU32(Field field) const {
    auto at = static_cast<std::size_t>(field);
    return std::uint32_t{bytes_[at]} | std::uint32_t{bytes_[at + 1]} << 8 | std::uint32_t{bytes_[at + 2]} << 16 |
           std::uint32_t{bytes_[at + 3]} << 24;
}

void ConfigRecord::SetU32(Field field, std::uint32_t value) {
    auto at = static_cast<std::size_t>(field);
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::string ConfigRecord::TextAt(std::size_t offset, std::size_t size) const {
    auto begin = bytes_.begin() + offset;
    return std::string(begin, std::find(begin, begin + size, std::uint8_t{0}));
}

std::string ConfigRecord::ProductName() const {
    return TextAt(kProductNameOffset, kProductNameSize);
}

std::string ConfigRecord::TimeZoneName() const {
    return TextAt(kTimeZoneNameOffset, kTimeZoneNameSize);
}

void ConfigRecord::SetTimeZoneName(std::string_view ansi) {
    auto field = bytes_.begin() + kTimeZoneNameOffset;
    std::fill(field, field + kTimeZoneNameSize, std::uint8_t{0});
    std::memcpy(&*field, ansi.data(), std::min(ansi.size(), kTimeZoneNameSize - 1));
}
