#pragma once
// Small helpers for UTF-16 text that must behave the same in the Windows build (16-bit
// wchar_t) and the host build (32-bit wchar_t): no C library locale is involved.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// White space as the Windows iswspace classifies it: tab, LF, VT, FF, CR, space and the
// Unicode space characters. The C library's iswspace depends on the locale, so it is
// not used.
constexpr bool IsWideSpace(wchar_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

constexpr std::wstring_view TrimWide(std::wstring_view text) {
    while (!text.empty() && IsWideSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWideSpace(text.back())) text.remove_suffix(1);
    return text;
}

constexpr wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

constexpr bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

// Hash and equality for names matched without regard to case. Both fold exactly the ASCII
// letters, so names that compare equal always hash alike.
struct NoCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view text) const {
        std::size_t hash = 14695981039346656037ull;
        for (wchar_t c : text) hash = (hash ^ static_cast<std::size_t>(FoldAscii(c))) * 1099511628211ull;
        return hash;
    }
};

struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const { return EqualNoCase(a, b); }
};
