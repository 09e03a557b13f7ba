#include "i18n/language_pack.h"

#include <climits>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "i18n/iso_languages.h"
#include "support/fakes.h"

namespace {

const std::wstring kLangFolder = L"E:\\lang\\";
const std::wstring kVerDat = kLangFolder + L"ver.dat";

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

LanguagePackInfo Parse(MemoryFileSystem& files) {
    LanguagePackInfo info;
    ParseLanguagePack(files, kLangFolder, info);
    return info;
}

LanguagePackInfo Parse(std::string_view file) {
    MemoryFileSystem files;
    files.Bytes(kVerDat) = Bytes(file);
    return Parse(files);
}

using Codes = std::vector<std::wstring>;

struct PackCase {
    const char* file;
    const wchar_t *version, *name, *device;
    Codes codes, names;
};

const PackCase kPackCases[] = {
    // The shape the camera writes.
    {" Ver : 1.0.3\r\n Pack Name : M250 Language Pack\r\n Code : en fr zh-Hant-HK\r\n Device : M250\r\n",
     L"1.0.3",
     L"M250 Language Pack",
     L"M250",
     {L"en", L"fr", L"zh-Hant-HK"},
     {L"English", L"French", L"Hong Kong Chinese in traditional script"}},
    // A keyword at the very start of the line does not count.
    {"Ver : 2\nCode : en\nDevice : X", L"", L"", L"", {}, {}},
    // Runs of blanks separate codes; only the first code line counts; LF line ends.
    {" Code : en fr  de\n Code : it\n", L"", L"", L"", {L"en", L"fr", L"de"}, {L"English", L"French", L"German"}},
    // An empty first code line still is the first.
    {" Code :\n Code : en\n", L"", L"", L"", {}, {}},
    // Tabs do not separate codes.
    {" Code : en\tfr", L"", L"", L"", {L"en\tfr"}, {}},
    // "Ver" anywhere after the first character makes a version line.
    {" Pack Name : Version two\n", L"Version two", L"", L"", {}, {}},
    // Codes keep their case; unknown codes give no name; two codes can share a name.
    {" Code : ZH-HANS he iw xx in zh-Hans\n",
     L"",
     L"",
     L"",
     {L"ZH-HANS", L"he", L"iw", L"xx", L"in", L"zh-Hans"},
     {L"Hebrew", L"Hebrew", L"Chinese (Simplified)"}},
    // Empty pieces between colons are skipped and a third piece is ignored.
    {" Device::: M250 :x\n XVer:: 1 : 2\n", L"1", L"", L"M250", {}, {}},
    // A line without a colon has an empty value; one without a keyword is ignored.
    {" Ver\n Something : else\n\n", L"", L"", L"", {}, {}},
    // The keyword may stand anywhere in the line.
    {"Languages Code: ko ja", L"", L"", L"", {L"ko", L"ja"}, {L"Korean", L"Japanese"}},
};

}  // namespace

TEST(ParseLanguagePack, ReadsTheKeywordLines) {
    for (const PackCase& c : kPackCases) {
        const LanguagePackInfo info = Parse(c.file);
        EXPECT_EQ(info.PackVersion, c.version) << c.file;
        EXPECT_EQ(info.PackName, c.name) << c.file;
        EXPECT_EQ(info.PackDevice, c.device) << c.file;
        EXPECT_EQ(info.PackCodes, c.codes) << c.file;
        EXPECT_EQ(info.PackLanguageNames, c.names) << c.file;
    }
}

TEST(ParseLanguagePack, AFileThatCannotBeReadLeavesThePackEmpty) {
    MemoryFileSystem missing;
    EXPECT_TRUE(Parse(missing).PackCodes.empty());

    MemoryFileSystem locked;
    locked.Bytes(kVerDat) = Bytes(" Code : en\n");
    locked.locked.push_back(kVerDat);
    EXPECT_TRUE(Parse(locked).PackCodes.empty());

    MemoryFileSystem failing;
    failing.Bytes(kVerDat) = Bytes(" Code : en\n");
    failing.failRead = true;
    EXPECT_TRUE(Parse(failing).PackCodes.empty());
}

TEST(ParseLanguagePack, AHugeFileIsReadOnlyUpToTheLimit) {
    MemoryFileSystem files;
    std::string file = " Code : en fr\n" + std::string(8 << 20, 'x') + "\n Ver : 9\n";
    files.Bytes(kVerDat) = Bytes(file);
    files.files[kVerDat].reportedSize = 1ull << 40;
    const LanguagePackInfo info = Parse(files);
    EXPECT_EQ(info.PackCodes, (Codes{L"en", L"fr"}));
    EXPECT_EQ(info.PackVersion, L"");  // beyond the limit
    EXPECT_LE(files.bytesRead, kMaxLanguagePackBytes);
}

TEST(ParseLanguagePack, AnOverlongLineIsCut) {
    const std::string longLine = std::string(kMaxLanguagePackLine, 'x') + " Code : en";
    const LanguagePackInfo info =
        Parse(" Ver : 1 " + std::string(kMaxLanguagePackLine, 'y') + "\n" + longLine + "\n Code : fr\n");
    EXPECT_EQ(info.PackCodes, Codes{L"fr"});  // the keyword past the cut was not seen
    EXPECT_EQ(info.PackVersion.substr(0, 4), L"1 yy");
    EXPECT_LE(info.PackVersion.size(), kMaxLanguagePackLine);
}

TEST(ParseLanguagePack, BinaryBytesDoNoHarm) {
    std::mt19937 random(7);
    std::string file;
    for (int i = 0; i < 20000; ++i) file += static_cast<char>(random() & 0xFF);
    file += "\n Code : en\n";
    const LanguagePackInfo info = Parse(file);
    ASSERT_FALSE(info.PackCodes.empty());
    EXPECT_EQ(info.PackCodes.back(), L"en");
    // Bytes above 127 become the characters of the same number.
    EXPECT_EQ(Parse(" Pack Name : Caf\xE9\xFF\n").PackName, L"Caf\u00E9\u00FF");
}

TEST(IsoLanguageTable, HoldsTheCameraListExactly) {
    std::set<std::wstring_view> codes;
    for (const IsoLanguage& row : IsoLanguageTable) {
        EXPECT_FALSE(row.code.empty());
        EXPECT_FALSE(row.name.empty()) << std::string(row.code.begin(), row.code.end());
        codes.insert(row.code);
    }
    EXPECT_EQ(codes.size(), IsoLanguageTable.size());  // codes are unique
    const std::pair<std::size_t, IsoLanguage> spots[] = {
        {0, {L"ab", L"Abkhazian"}},    {34, {L"zh-Hant-HK", L"Hong Kong Chinese in traditional script"}},
        {71, {L" in", L"Indonesian"}}, {91, {L"li", L"Limburgish ( Limburger)"}},
        {154, {L"vo", L"Volap?k"}},    {162, {L"zu", L"Zulu"}},
    };
    for (const auto& [index, row] : spots) {
        EXPECT_EQ(IsoLanguageTable[index].code, row.code) << index;
        EXPECT_EQ(IsoLanguageTable[index].name, row.name) << index;
    }
    // Every UI language can be selected by a card.
    for (const UiLanguage& language : kUiLanguages) EXPECT_TRUE(codes.count(language.packCode));
}

struct ChoiceCase {
    bool viewerRunning;
    const wchar_t* viewerLanguage;
    Codes codes;
    std::int32_t index;
    const wchar_t* want;
};

TEST(ChooseUiLanguage, ViewerThenPackCodeThenEnglish) {
    const Codes card = {L"en", L"nl", L"zh-Hant-HK", L"ZH-HANS", L"zh-Hans"};
    const ChoiceCase cases[] = {
        {true, L"French", card, 2, L"french"},  // the running viewer wins
        {true, L"CHINESETRADITIONAL", {}, 0, L"chinesetraditional"},
        {true, L"", card, 2, L"english"},
        {true, L"klingon", card, 2, L"english"},
        {true, L"french ", card, 2, L"english"},
        {false, L"French", card, 2, L"chinesetraditional"},  // the viewer's word needs the viewer
        {false, L"", card, 1, L"english"},
        {false, L"", card, 3, L"english"},  // codes keep their case
        {false, L"", card, 4, L"chinesesimplified"},
        {false, L"", {}, 0, L"english"},
        // An index outside the list means English, never a read past the list.
        {false, L"", card, -1, L"english"},
        {false, L"", card, 5, L"english"},
        {false, L"", card, INT_MAX, L"english"},
        {false, L"", card, INT_MIN, L"english"},
    };
    for (const ChoiceCase& c : cases)
        EXPECT_EQ(ChooseUiLanguage(c.viewerRunning, c.viewerLanguage, c.codes, c.index), c.want)
            << c.viewerRunning << " " << c.viewerLanguage << " " << c.index;
    for (const UiLanguage& language : kUiLanguages) {
        EXPECT_EQ(ChooseUiLanguage(false, L"", {L"xx", std::wstring(language.packCode)}, 1), language.word);
        EXPECT_EQ(ChooseUiLanguage(true, std::wstring(language.word), {}, 0), language.word);
    }
}
