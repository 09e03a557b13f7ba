#pragma once
// ISO 639 language codes (and a few tags with script and region) with the English names
// that the system page lists for the card's language pack.

#include <array>
#include <string_view>

struct IsoLanguage {
    std::wstring_view code;
    std::wstring_view name;
};

extern const std::array<IsoLanguage, 163> IsoLanguageTable;
