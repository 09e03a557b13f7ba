// The eleven compiled text tables, read from res/lang as the program carries them.
#include <fstream>
#include <iterator>
#include <set>

#include <gtest/gtest.h>

#include "i18n/language_pack.h"
#include "i18n/text_catalog.h"
#include "i18n/text_keys.h"
#include "support/fakes.h"

namespace {

std::vector<std::uint8_t> ReadTable(std::wstring_view word) {
    const std::string path =
        std::string(DASHCAM_SOURCE_DIR) + "/res/lang/" + std::string(word.begin(), word.end()) + ".txt";
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Name(std::wstring_view word) {
    return std::string(word.begin(), word.end());
}

}  // namespace

TEST(TextTables, EveryTableHoldsExactlyTheKeysTheProgramUses) {
    const std::set<std::wstring> fontKeys = {L"DEFAULT_UI_FACENAME", L"DEFAULT_UI_CHARSET", L"DEFAULT_UI_CODEPAGE"};
    for (const UiLanguage& language : kUiLanguages) {
        const auto bytes = ReadTable(language.word);
        // English is plain ASCII; the others are UTF-16LE with a byte-order mark.
        const bool utf16 = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
        EXPECT_EQ(utf16, language.word != kEnglishWord) << Name(language.word);

        CapturedOutput debug;
        Latin1CodePage ansi;
        TextTable table(debug, ansi);
        ASSERT_TRUE(table.LoadFromBuffer(bytes)) << Name(language.word);
        const TextSection* font = table.FindSection(L"font");
        const TextSection* text = table.FindSection();
        ASSERT_NE(font, nullptr) << Name(language.word);
        ASSERT_NE(text, nullptr) << Name(language.word);
        EXPECT_EQ(table.FindSection(L"text"), text);

        std::set<std::wstring> want(kTextKeys.begin(), kTextKeys.end());
        std::set<std::wstring> got;
        for (const auto& [key, value] : *text) {
            got.insert(key);
            EXPECT_FALSE(TrimWide(value).empty()) << Name(language.word) << " " << Name(key);
        }
        EXPECT_EQ(got, want) << Name(language.word);
        std::set<std::wstring> gotFont;
        for (const auto& [key, value] : *font) gotFont.insert(key);
        EXPECT_EQ(gotFont, fontKeys) << Name(language.word);
        // One debug line per stored key: no key is stored twice or lost on the way.
        EXPECT_EQ(debug.lines.size(), kTextKeys.size() + fontKeys.size()) << Name(language.word);
    }
}

TEST(TextTables, EveryLanguageLoadsThroughTheCatalog) {
    MemoryResources resources;
    for (const UiLanguage& language : kUiLanguages)
        resources.Add(kTextTableResourceType, std::wstring(language.word), ReadTable(language.word));
    const auto english = [&] {
        CapturedOutput debug;
        Latin1CodePage ansi;
        TextCatalog catalog(resources, debug, ansi);
        EXPECT_TRUE(catalog.Load(kEnglishWord, kEnglishWord));
        return catalog.Lookup(L"IDS_STRING101");
    }();
    EXPECT_EQ(english, L"Dash cam setting");
    for (const UiLanguage& language : kUiLanguages) {
        CapturedOutput debug;
        Latin1CodePage ansi;
        TextCatalog catalog(resources, debug, ansi);
        ASSERT_TRUE(catalog.Load(language.word, kEnglishWord)) << Name(language.word);
        for (std::wstring_view key : kTextKeys) {
            const std::wstring text = catalog.Lookup(key);
            EXPECT_FALSE(text.empty()) << Name(language.word) << " " << Name(key);
            EXPECT_EQ(text.find(L'\\'), std::wstring::npos) << Name(language.word) << " " << Name(key);
        }
        if (language.word != kEnglishWord) {
            EXPECT_NE(catalog.Lookup(L"IDS_STRING101"), english) << Name(language.word);
        }
    }
}
