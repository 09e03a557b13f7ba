#include "i18n/text_catalog.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace {

std::vector<std::uint8_t> Utf16(std::wstring_view text) {
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    for (wchar_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    }
    return bytes;
}

std::vector<std::uint8_t> Ansi(std::string_view text) {
    return {text.begin(), text.end()};
}

class TextCatalogTest : public ::testing::Test {
protected:
    TextCatalogTest() {
        resources.Add(L"LANGUAGE", L"ENGLISH",
                      Ansi("[font]\r\nDEFAULT_UI_FACENAME=\"Tahoma\"\r\n\r\n[text]\r\n"
                           "IDS_STRING101=\"Dash cam setting\"\r\nIDS_STRING107=\"Cancel\"\r\n"
                           "IDS_STRING163=\"Format the card?\\nAll files are lost.\\r\"\r\n"
                           "IDS_STRING2200=\"Only in English\""));
        resources.Add(L"LANGUAGE", L"FRENCH",
                      Utf16(L"[font]\r\nDEFAULT_UI_FACENAME=\"Tahoma\"\r\n\r\n[text]\r\n"
                            L"IDS_STRING101=\"Param\u00E8tres\"\r\nIDS_STRING107=\"\"\r\n"));
        resources.Add(L"LANGUAGE", L"BROKEN", {0x41});
    }

    MemoryResources resources;
    CapturedOutput debug;
    Latin1CodePage ansi;
    TextCatalog catalog{resources, debug, ansi};
};

}  // namespace

TEST_F(TextCatalogTest, LooksUpThePrimaryThenEnglish) {
    ASSERT_TRUE(catalog.Load(L"french", L"english"));
    EXPECT_TRUE(catalog.Loaded());
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING101"), L"Param\u00E8tres");
    EXPECT_EQ(catalog.Lookup(L"ids_string101"), L"Param\u00E8tres");
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING107"), L"Cancel");  // empty in French
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING2200"), L"Only in English");
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING999"), L"");
    EXPECT_EQ(catalog.Lookup(L"DEFAULT_UI_FACENAME"), L"");  // not in [text]
    EXPECT_EQ(catalog.Lookup(L"DEFAULT_UI_FACENAME", L"font"), L"Tahoma");
}

TEST_F(TextCatalogTest, ExpandsLineBreakSequences) {
    ASSERT_TRUE(catalog.Load(L"english", L"english"));
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING163"), L"Format the card?\nAll files are lost.\r");
}

TEST_F(TextCatalogTest, PrintsEveryStoredKeyOfBothTables) {
    ASSERT_TRUE(catalog.Load(L"French", L"ENGLISH"));  // resource names match without case
    EXPECT_EQ(debug.lines.size(), 3u + 5u);
    EXPECT_EQ(debug.lines.front(), L"[DEFAULT_UI_FACENAME] = \"Tahoma\"\n");
    EXPECT_EQ(debug.lines[1], L"[IDS_STRING101] = \"Param\u00E8tres\"\n");
}

struct LoadCase {
    const wchar_t* primary;
    const wchar_t* fallback;
    bool loaded;
    std::size_t debugLines;  // shows which tables were parsed
};

TEST_F(TextCatalogTest, LoadFailsOnAMissingTableOrWhenNothingParses) {
    const LoadCase cases[] = {
        {L"english", L"english", true, 10}, {L"", L"english", true, 5},       {L"french", L"", true, 3},
        {L"klingon", L"english", false, 0},  // the fallback is not even tried
        {L"french", L"klingon", false, 3},   // the primary was parsed, still not loaded
        {L"broken", L"english", true, 5},   {L"broken", L"broken", false, 0}, {L"", L"", false, 0},
    };
    for (const LoadCase& c : cases) {
        CapturedOutput lines;
        TextCatalog fresh(resources, lines, ansi);
        EXPECT_EQ(fresh.Load(c.primary, c.fallback), c.loaded) << c.primary << " " << c.fallback;
        EXPECT_EQ(lines.lines.size(), c.debugLines) << c.primary << " " << c.fallback;
        const std::wstring title = fresh.Lookup(L"IDS_STRING101");
        if (c.loaded) {
            EXPECT_NE(title, L"Error Loading") << c.primary << " " << c.fallback;
        } else {
            EXPECT_EQ(title, L"Error Loading") << c.primary << " " << c.fallback;
        }
    }
}

TEST_F(TextCatalogTest, ReportsErrorLoadingUntilLoaded) {
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING101"), L"Error Loading");
    EXPECT_FALSE(catalog.Load(L"french", L"klingon"));
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING101"), L"Error Loading");
    EXPECT_EQ(catalog.Lookup(L"IDS_STRING999"), L"Error Loading");
}
