#include "i18n/language_pack.h"

#include <algorithm>

#include "i18n/iso_languages.h"
#include "i18n/wide_text.h"

namespace {

// The second non-empty piece between colons, trimmed: "Ver : 1.0" gives "1.0".
std::wstring_view ValueOf(std::wstring_view line) {
    int piece = 0;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(L':', start), line.size());
        if (end > start && ++piece == 2) return TrimWide(line.substr(start, end - start));
        start = end + 1;
    }
    return {};
}

// Codes are separated by spaces only; a tab stays inside a code.
void AppendCodes(std::wstring_view value, std::vector<std::wstring>& codes) {
    std::size_t start = 0;
    while (start < value.size()) {
        const std::size_t end = std::min(value.find(L' ', start), value.size());
        if (end > start) codes.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
}

enum class PackLine { Version, Name, Codes, Device, Other };

// The first keyword found anywhere after the line's first character decides; one that
// first occurs at the very start does not count.
PackLine KindOf(std::wstring_view line) {
    constexpr std::pair<std::wstring_view, PackLine> kKeywords[] = {
        {L"Ver", PackLine::Version},
        {L"Pack Name", PackLine::Name},
        {L"Code", PackLine::Codes},
        {L"Device", PackLine::Device},
    };
    for (const auto& [keyword, kind] : kKeywords) {
        const std::size_t at = line.find(keyword);
        if (at != std::wstring_view::npos && at > 0) return kind;
    }
    return PackLine::Other;
}

// Reads at most kMaxLanguagePackBytes, a piece at a time; false on a read error.
bool ReadBounded(CardFile& file, std::vector<std::uint8_t>& bytes) {
    std::uint8_t piece[4096];
    while (bytes.size() < kMaxLanguagePackBytes) {
        const std::size_t wanted = std::min(sizeof piece, kMaxLanguagePackBytes - bytes.size());
        const auto n = file.Read(std::span(piece, wanted));
        if (n < 0) return false;
        if (n == 0) break;
        bytes.insert(bytes.end(), piece, piece + n);
    }
    return true;
}

}  // namespace

void ParseLanguagePack(FileSystem& files, const std::wstring& langFolder, LanguagePackInfo& info) {
    auto file = files.Open(langFolder + L"ver.dat", FileOpen::ReadExclusive);
    if (!file) return;
    std::vector<std::uint8_t> bytes;
    const bool read = ReadBounded(*file, bytes);
    file->Close();
    if (!read) return;

    bool codesSeen = false;
    auto processLine = [&](std::wstring_view line) {
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        if (line.empty()) return;
        const std::wstring_view value = ValueOf(line);
        switch (KindOf(line)) {
            case PackLine::Version:
                info.PackVersion = value;
                break;
            case PackLine::Name:
                info.PackName = value;
                break;
            case PackLine::Device:
                info.PackDevice = value;
                break;
            case PackLine::Codes:
                // Only the first code line counts.
                if (!codesSeen) AppendCodes(value, info.PackCodes);
                codesSeen = true;
                break;
            case PackLine::Other:
                break;
        }
    };

    // One character per byte: the keywords, separators and codes are ASCII, and a byte
    // above 127 becomes the character of the same number.
    std::wstring line;
    for (std::uint8_t byte : bytes) {
        if (byte == '\n') {
            processLine(line);
            line.clear();
        } else if (line.size() < kMaxLanguagePackLine) {
            line += static_cast<wchar_t>(byte);
        }
    }
    processLine(line);

    for (const std::wstring& code : info.PackCodes)
        for (const IsoLanguage& row : IsoLanguageTable)
            if (row.code == code) info.PackLanguageNames.emplace_back(row.name);
}

std::wstring ChooseUiLanguage(bool viewerRunning, std::wstring_view viewerLanguage,
                              const std::vector<std::wstring>& packCodes, std::int32_t languageIndex) {
    if (viewerRunning) {
        for (const UiLanguage& language : kUiLanguages)
            if (EqualNoCase(viewerLanguage, language.word)) return std::wstring(language.word);
        return std::wstring(kEnglishWord);
    }
    // The index comes from the card's record: one outside the list means English.
    if (languageIndex < 0 || static_cast<std::size_t>(languageIndex) >= packCodes.size())
        return std::wstring(kEnglishWord);
    for (const UiLanguage& language : kUiLanguages)
        if (language.packCode == packCodes[languageIndex]) return std::wstring(language.word);
    return std::wstring(kEnglishWord);
}
