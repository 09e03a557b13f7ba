#include "i18n/text_table.h"

#include <algorithm>

namespace {

constexpr bool IsQuote(wchar_t c) {
    return c == L'"' || c == L'\'';
}

std::size_t SkipBlanks(std::wstring_view line, std::size_t pos) {
    while (pos < line.size() && (line[pos] == L' ' || line[pos] == L'\t')) ++pos;
    return pos;
}

}  // namespace

bool TextTable::LoadFromBuffer(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2) return false;
    std::wstring text;
    if (bytes[0] == 0xFF && bytes[1] == 0xFE) {
        // One wchar_t per UTF-16 unit, also where wchar_t is 32 bits wide: every character
        // of the Basic Multilingual Plane reads the same on every build.
        const std::size_t count = (bytes.size() - 2) / 2;
        text.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            text[i] = static_cast<wchar_t>(bytes[2 + 2 * i] | (bytes[3 + 2 * i] << 8));
    } else {
        const auto* chars = reinterpret_cast<const char*>(bytes.data());
        const std::size_t length = std::find(chars, chars + bytes.size(), '\0') - chars;
        text = ansi_.ToWide(std::string_view(chars, length));
        if (length > 0 && text.empty()) return false;
    }
    Parse(text);
    return true;
}

void TextTable::Parse(std::wstring_view text) {
    TextSection* current = nullptr;
    std::wstring line;
    auto processLine = [&] {
        const std::wstring_view trimmed = TrimWide(line);
        if (trimmed.empty()) return;
        if (trimmed.size() >= 2 && trimmed.front() == L'[' && trimmed.back() == L']') {
            const std::wstring_view name = TrimWide(trimmed.substr(1, trimmed.size() - 2));
            if (name.empty()) {
                // A broken header must not let its keys land in the previous section.
                current = nullptr;
                return;
            }
            auto found = sections_.find(name);
            if (found == sections_.end()) found = sections_.emplace(std::wstring(name), TextSection{}).first;
            current = &found->second;
            if (!defaultSection_ && EqualNoCase(name, L"TEXT")) defaultSection_ = current;
        } else if (trimmed.front() == L';') {
            return;
        } else if (!current) {
            return;
        } else if (trimmed.find(L'=') != std::wstring_view::npos) {
            ParseKeyValue(*current, trimmed);
        } else {
            (*current)[std::wstring(trimmed)].clear();
        }
    };

    for (wchar_t c : text) {
        if (c == L'\0') break;
        if (c == L'\r') continue;
        if (c == L'\n') {
            processLine();
            line.clear();
        } else {
            line += c;
        }
    }
    processLine();
}

void TextTable::ParseKeyValue(TextSection& section, std::wstring_view line) {
    std::wstring_view key;
    std::size_t pos;
    if (IsQuote(line.front())) {
        const std::size_t close = line.find(line.front(), 1);
        if (close == std::wstring_view::npos || close + 1 >= line.size()) return;
        key = line.substr(1, close - 1);
        pos = close + 1;
    } else {
        // The line is trimmed, so the key starts at its first character.
        key = TrimWide(line.substr(0, line.find(L'=')));
        pos = key.size();
    }
    if (key.empty()) return;
    pos = SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != L'=') return;
    pos = SkipBlanks(line, pos + 1);

    std::wstring_view value;
    if (pos < line.size() && IsQuote(line[pos])) {
        const std::size_t close = line.find(line[pos], pos + 1);
        value = close == std::wstring_view::npos ? line.substr(pos + 1) : line.substr(pos + 1, close - pos - 1);
    } else {
        const std::size_t end = std::min(line.find(L';', pos), line.size());
        value = TrimWide(line.substr(pos, end - pos));
    }
    section.insert_or_assign(std::wstring(key), std::wstring(value));
    debug_.Write(L"[" + std::wstring(key) + L"] = \"" + std::wstring(value) + L"\"\n");
}

const TextSection* TextTable::FindSection(std::optional<std::wstring_view> name) {
    if (!name) return defaultSection_;
    if (cachedSection_ && EqualNoCase(*name, cachedName_)) return cachedSection_;
    const auto found = sections_.find(*name);
    if (found == sections_.end()) return nullptr;
    cachedName_ = *name;
    cachedSection_ = &found->second;
    return cachedSection_;
}

bool TextTable::GetString(std::optional<std::wstring_view> sectionName, std::wstring_view key, std::wstring& text,
                          std::wstring_view defaultText) {
    const TextSection* section = FindSection(sectionName);
    if (section) {
        if (const auto found = section->find(key); found != section->end()) {
            text = found->second;
            return true;
        }
    }
    text = defaultText;
    return false;
}
