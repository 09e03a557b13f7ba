// The text tables compiled into the program, found and loaded through the real resources.
#include "i18n/text_catalog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "i18n/language_pack.h"
#include "i18n/text_keys.h"
#include "platform/win32_platform.h"
#include "support/fakes.h"

TEST(Win32ProgramResources, FindsTheTextTablesWithoutRegardToCase) {
    Win32ProgramResources resources;
    for (const wchar_t* name : {L"english", L"ENGLISH", L"English", L"chineseTraditional"}) {
        for (const wchar_t* type : {L"LANGUAGE", L"language"}) {
            const auto bytes = resources.Find(type, name);
            ASSERT_TRUE(bytes.has_value()) << name << " " << type;
            EXPECT_GT(bytes->size(), 100u) << name;
        }
    }
    EXPECT_FALSE(resources.Find(L"LANGUAGE", L"klingon").has_value());
    EXPECT_FALSE(resources.Find(L"PNG", L"english").has_value());
}

TEST(Win32ProgramResources, TheEnglishTableIsAsciiTheOthersUtf16) {
    Win32ProgramResources resources;
    for (const UiLanguage& language : kUiLanguages) {
        const auto bytes = resources.Find(kTextTableResourceType, language.word);
        ASSERT_TRUE(bytes.has_value());
        const bool utf16 = (*bytes)[0] == 0xFF && (*bytes)[1] == 0xFE;
        EXPECT_EQ(utf16, language.word != kEnglishWord) << std::wstring(language.word);
    }
}

struct TitleCase {
    const wchar_t* word;
    const wchar_t* title;
};

TEST(TextCatalog, EveryLanguageLoadsFromTheProgram) {
    const TitleCase titles[] = {
        {L"english", L"Dash cam setting"},
        {L"french", L"Param\u00E8tres de la dashcam"},
        {L"german", L"Dashcam-Einstellungen"},
        {L"italian", L"Impostazioni dashcam"},
        {L"spanish", L"Configuraci\u00F3n de la dashcam"},
        {L"portuguese", L"Defini\u00E7\u00F5es da dashcam"},
        {L"russian",
         L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438 "
         L"\u0432\u0438\u0434\u0435\u043E\u0440\u0435\u0433\u0438\u0441\u0442\u0440\u0430\u0442\u043E\u0440\u0430"},
        {L"japanese", L"\u30C9\u30E9\u30A4\u30D6\u30EC\u30B3\u30FC\u30C0\u30FC\u8A2D\u5B9A"},
        {L"korean", L"\uBE14\uB799\uBC15\uC2A4 \uC124\uC815"},
        {L"chinesesimplified", L"\u884C\u8F66\u8BB0\u5F55\u4EEA\u8BBE\u7F6E"},
        {L"chinesetraditional", L"\u884C\u8ECA\u8A18\u9304\u5668\u8A2D\u5B9A"},
    };
    Win32ProgramResources resources;
    Win32AnsiCodePage ansi;
    for (const TitleCase& c : titles) {
        CapturedOutput debug;
        TextCatalog catalog(resources, debug, ansi);
        ASSERT_TRUE(catalog.Load(c.word, kEnglishWord)) << c.word;
        EXPECT_EQ(catalog.Lookup(L"IDS_STRING101"), c.title) << c.word;
        for (std::wstring_view key : kTextKeys)
            EXPECT_FALSE(catalog.Lookup(key).empty()) << c.word << " " << std::wstring(key);
        // Both tables are parsed: every stored key of each prints one line.
        EXPECT_EQ(debug.lines.size(), 2 * (kTextKeys.size() + 3)) << c.word;
    }
}
