#include "i18n/text_table.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/fakes.h"

using namespace std::literals;

namespace {

// A document as the compiled tables store it: FF FE, then UTF-16LE.
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

// A code page whose conversion always fails.
class BrokenCodePage final : public AnsiCodePage {
public:
    std::wstring ToWide(std::string_view) const override { return {}; }
    std::string FromWide(std::wstring_view) const override { return {}; }
};

class TextTableTest : public ::testing::Test {
protected:
    // The value of key in the [text] section, or nullopt when the table lacks it.
    std::optional<std::wstring> Text(std::wstring_view key) {
        std::wstring text;
        if (!table.GetString(std::nullopt, key, text, L"<default>")) {
            EXPECT_EQ(text, L"<default>");
            return std::nullopt;
        }
        return text;
    }

    CapturedOutput debug;
    Latin1CodePage ansi;
    TextTable table{debug, ansi};
};

struct LineCase {
    const wchar_t* line;  // one line of a [text] section
    const wchar_t* key;
    std::optional<std::wstring> want;  // nullopt: the line stores nothing under key
};

const LineCase kLineCases[] = {
    {L"IDS_STRING101=\"Dash cam setting\"", L"IDS_STRING101", L"Dash cam setting"},
    {L"  A  =  \"x\"  ", L"A", L"x"},
    {L"A\t=\t\"x\"", L"A", L"x"},
    {L"A=\"x\"", L"a", L"x"},                               // keys match without regard to case
    {L"A= plain value ; a note", L"A", L"plain value"},     // unquoted: up to ";", trimmed
    {L"A=\"x;y\"", L"A", L"x;y"},                           // quoted: ";" belongs to the value
    {L"A=\"x\" more words", L"A", L"x"},                    // words after the closing quote
    {L"A=\"no closing quote ", L"A", L"no closing quote"},  // runs to the (trimmed) end
    {L"A=", L"A", L""},
    {L"A=  ;", L"A", L""},
    {L"A=\t'", L"A", L""},
    {L"A==x", L"A", L"=x"},
    {L"A=\"  kept  \"", L"A", L"  kept  "},    // quoted values are taken unchanged
    {L"A=\"one\\ntwo\"", L"A", L"one\\ntwo"},  // no escapes in the parser
    {L"A='x;\"y\"'", L"A", L"x;\"y\""},        // single quotes work like double quotes
    {L"\"A B\"=\"v\"", L"A B", L"v"},          // quoted key keeps its blank
    {L"'A B' = 'v'", L"A B", L"v"},
    {L"\"A=B\"=v", L"A=B", L"v"},
    {L"\"A B=v", L"A B=v", std::nullopt},  // quoted key without closing quote: dropped
    {L"\"A B=v", L"A B", std::nullopt},
    {L"\"A=\"", L"A=", std::nullopt},    // nothing after the quoted key
    {L"\"A\" x=v", L"A", std::nullopt},  // a quoted key must be followed by "="
    {L"\"\"=v", L"", std::nullopt},
    {L"=v", L"", std::nullopt},
    {L";A=\"x\"", L"A", std::nullopt},  // commented out
    {L";A=\"x\"", L";A", std::nullopt},
    {L"[abc", L"[abc", L""},  // no "=": a bare key, bracket included
    {L"bare key", L"bare key", L""},
    {L"\"quoted\"", L"\"quoted\"", L""},
    {L"[a] = b", L"[a]", L"b"},          // not a header: it does not end in "]"
    {L"\u3000A=x\u3000", L"A", L"x"},    // ideographic space is white space
    {L"\u00A0A= x\u2003;", L"A", L"x"},  // so are no-break space and em space
    {L"A=\u200Bx", L"A", L"\u200Bx"},    // zero-width space is not
    {L"A=x\ry", L"A", L"xy"},            // CR is dropped wherever it stands
};

}  // namespace

TEST_F(TextTableTest, SplitsKeyAndValueLines) {
    for (const LineCase& c : kLineCases) {
        TextTable fresh(debug, ansi);
        ASSERT_TRUE(fresh.LoadFromBuffer(Utf16(std::wstring(L"[text]\r\n") + c.line + L"\r\n")));
        std::wstring text;
        const bool found = fresh.GetString(std::nullopt, c.key, text, L"");
        EXPECT_EQ(found, c.want.has_value()) << "line: " << testing::PrintToString(std::wstring(c.line));
        if (found && c.want) {
            EXPECT_EQ(text, *c.want) << "line: " << testing::PrintToString(std::wstring(c.line));
        }
    }
}

TEST_F(TextTableTest, PrintsOneDebugLinePerStoredKeyValueLine) {
    ASSERT_TRUE(table.LoadFromBuffer(Utf16(L"A=1\n[text]\nB=\"two\"\n;C=3\nbare\nD\t=  x ; y\nB='again'\n\"E=\n")));
    const std::vector<std::wstring> want = {L"[B] = \"two\"\n", L"[D] = \"x\"\n", L"[B] = \"again\"\n"};
    EXPECT_EQ(debug.lines, want);
    EXPECT_EQ(Text(L"B"), L"again");  // a key stored twice keeps the second value
}

TEST_F(TextTableTest, DecodesUtf16AndAnsiText) {
    EXPECT_FALSE(table.LoadFromBuffer({}));
    EXPECT_FALSE(table.LoadFromBuffer(Ansi("[")));
    EXPECT_TRUE(table.LoadFromBuffer(std::vector<std::uint8_t>{0xFF, 0xFE}));  // empty but valid
    EXPECT_EQ(table.FindSection(), nullptr);

    // An odd trailing byte is not a character; a zero character ends the input.
    auto utf16 = Utf16(L"[text]\r\nA=\"\u00E9\u4E2D\"\r\nB=1");
    utf16.push_back(0x42);
    ASSERT_TRUE(table.LoadFromBuffer(utf16));
    EXPECT_EQ(Text(L"A"), L"\u00E9\u4E2D");
    EXPECT_EQ(Text(L"B"), L"1");  // the last line needs no line end
    ASSERT_TRUE(table.LoadFromBuffer(Utf16(L"[text]\nC=1\nD=2\0\nE=3"sv)));
    EXPECT_EQ(Text(L"C"), L"1");
    EXPECT_EQ(Text(L"D"), L"2");
    EXPECT_EQ(Text(L"E"), std::nullopt);

    // 8-bit text goes through the ANSI code page and stops at a zero byte.
    ASSERT_TRUE(table.LoadFromBuffer(Ansi("[text]\r\nF=\"caf\xE9\"\r\nG=1\0\r\nH=2"sv)));
    EXPECT_EQ(Text(L"F"), L"caf\u00E9");
    EXPECT_EQ(Text(L"G"), L"1");
    EXPECT_EQ(Text(L"H"), std::nullopt);
    EXPECT_TRUE(table.LoadFromBuffer(Ansi("\0junk"sv)));  // nothing to convert

    // Each buffer adds to the table, and its parse starts outside any section.
    ASSERT_TRUE(table.LoadFromBuffer(Utf16(L"I=1\n[text]\nJ=2")));
    EXPECT_EQ(Text(L"I"), std::nullopt);
    EXPECT_EQ(Text(L"J"), L"2");
    EXPECT_EQ(Text(L"A"), L"\u00E9\u4E2D");

    BrokenCodePage broken;
    TextTable unconvertible(debug, broken);
    EXPECT_FALSE(unconvertible.LoadFromBuffer(Ansi("[text]\r\nA=1")));
    EXPECT_TRUE(unconvertible.LoadFromBuffer(Utf16(L"[text]\r\nA=1")));
}

TEST_F(TextTableTest, HeadersOpenAndCloseSections) {
    ASSERT_TRUE(
        table.LoadFromBuffer(Utf16(L"orphan=1\r\n"
                                   L"[font]\r\nFACE=\"Tahoma\"\r\nCODEPAGE=409\t\t\r\n\r\n"
                                   L"[TEXT]\t\r\nA=1\r\n"
                                   L"[]\r\nlost=1\r\n"
                                   L"[font]\r\nSIZE=9\r\n"
                                   L"[  ]\r\nlost2=1\r\n"
                                   L"[ text ]\r\nB=2\r\n")));
    EXPECT_EQ(Text(L"A"), L"1");
    EXPECT_EQ(Text(L"B"), L"2");  // a second [text] header reopens the same section
    for (const wchar_t* key : {L"orphan", L"lost", L"lost2"}) EXPECT_EQ(Text(key), std::nullopt) << key;

    const TextSection* font = table.FindSection(L"Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->size(), 3u);
    std::wstring text;
    EXPECT_TRUE(table.GetString(L"FONT", L"codepage", text, L""));
    EXPECT_EQ(text, L"409");
    EXPECT_EQ(table.FindSection(L"text"), table.FindSection());
    EXPECT_EQ(table.FindSection(L"font"), font);  // served from the one-entry cache
    EXPECT_EQ(table.FindSection(L"lost"), nullptr);
    EXPECT_FALSE(table.GetString(L"missing", L"A", text, L"fallback"));
    EXPECT_EQ(text, L"fallback");
}

TEST_F(TextTableTest, WithoutTextSectionUnnamedLookupsFindNothing) {
    ASSERT_TRUE(table.LoadFromBuffer(Utf16(L"[texts]\nA=1\n[ tex t ]\nB=2")));
    EXPECT_EQ(table.FindSection(), nullptr);
    EXPECT_EQ(Text(L"A"), std::nullopt);
}

TEST_F(TextTableTest, ABareKeyReplacesAnEarlierValue) {
    ASSERT_TRUE(table.LoadFromBuffer(Utf16(L"[text]\nA=1\nA\n")));
    EXPECT_EQ(Text(L"A"), L"");
}
