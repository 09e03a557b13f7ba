#pragma once
// What the card's lang\ver.dat says about the camera's languages, and the choice of the
// program's own UI language.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

struct LanguagePackInfo {
    std::wstring PackVersion;
    std::vector<std::wstring> PackCodes;
    std::vector<std::wstring> PackLanguageNames;
    std::wstring PackName;
    std::wstring PackDevice;
};

// ver.dat is a few lines of text; reading stops after this many bytes, and a longer line
// is cut, so a damaged or hostile file costs no more than a normal one.
inline constexpr std::size_t kMaxLanguagePackBytes = 64 * 1024;
inline constexpr std::size_t kMaxLanguagePackLine = 4096;

// Reads langFolder + "ver.dat" into info. A file that cannot be opened or read leaves
// info as it was.
void ParseLanguagePack(FileSystem& files, const std::wstring& langFolder, LanguagePackInfo& info);

// The languages of the program's own text tables: the pack code that selects each, and
// its word, which names its table and is also the companion viewer's registry setting.
struct UiLanguage {
    std::wstring_view packCode;
    std::wstring_view word;
};
inline constexpr std::wstring_view kEnglishWord = L"english";
inline constexpr std::array<UiLanguage, 11> kUiLanguages = {{
    {L"en", L"english"},
    {L"fr", L"french"},
    {L"es", L"spanish"},
    {L"de", L"german"},
    {L"it", L"italian"},
    {L"pt", L"portuguese"},
    {L"ru", L"russian"},
    {L"ja", L"japanese"},
    {L"ko", L"korean"},
    {L"zh-Hans", L"chinesesimplified"},
    {L"zh-Hant-HK", L"chinesetraditional"},
}};

// The word of the UI language: the viewer's setting while the viewer runs, else the pack
// code at the record's language index, else English.
std::wstring ChooseUiLanguage(bool viewerRunning, std::wstring_view viewerLanguage,
                              const std::vector<std::wstring>& packCodes, std::int32_t languageIndex);
