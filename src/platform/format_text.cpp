#include <cstdarg>
#include <cwchar>
#include <vector>

#include "platform/platform.h"

std::wstring FormatText(const wchar_t* format, ...) {
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        int n = std::vswprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (n >= 0 && static_cast<std::size_t>(n) < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= (1u << 20)) return std::wstring();
        buffer.resize(buffer.size() * 4);
    }
}
