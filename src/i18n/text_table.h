#pragma once
// One parsed UI text table: INI-like sections of key/value texts, names matched without
// regard to case.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "i18n/wide_text.h"
#include "platform/platform.h"

using TextSection = std::unordered_map<std::wstring, std::wstring, NoCaseHash, NoCaseEqual>;

class TextTable {
public:
    TextTable(DebugOutput& debug, const AnsiCodePage& ansi) : debug_(debug), ansi_(ansi) {}

    // Decodes (UTF-16LE after FF FE, else 8-bit ANSI) and parses the bytes, adding to what
    // the table holds. False when the buffer is too short or does not convert; true
    // otherwise, also when no line was usable.
    bool LoadFromBuffer(std::span<const std::uint8_t> bytes);

    // No name: the first [TEXT] section. Look-ups by name go through a one-entry cache.
    const TextSection* FindSection(std::optional<std::wstring_view> name = std::nullopt);

    // False, with text = defaultText, when the section or the key is missing.
    bool GetString(std::optional<std::wstring_view> sectionName, std::wstring_view key, std::wstring& text,
                   std::wstring_view defaultText);

private:
    void Parse(std::wstring_view text);
    void ParseKeyValue(TextSection& section, std::wstring_view line);

    DebugOutput& debug_;
    const AnsiCodePage& ansi_;
    // Node-based: section addresses stay valid while sections are added.
    std::unordered_map<std::wstring, TextSection, NoCaseHash, NoCaseEqual> sections_;
    TextSection* defaultSection_ = nullptr;
    std::wstring cachedName_;
    const TextSection* cachedSection_ = nullptr;
};
