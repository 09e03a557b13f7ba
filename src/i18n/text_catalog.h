#pragma once
// The UI texts of the chosen language, with English behind it for every text the chosen
// table lacks. Loaded once at start-up; only read afterwards.

#include <optional>
#include <string>
#include <string_view>

#include "i18n/text_table.h"
#include "platform/platform.h"

// The resource type of the compiled text tables; each is named by its language word.
inline constexpr wchar_t kTextTableResourceType[] = L"LANGUAGE";

class TextCatalog {
public:
    TextCatalog(ProgramResources& resources, DebugOutput& debug, const AnsiCodePage& ansi)
        : resources_(resources), primary_(debug, ansi), fallback_(debug, ansi) {}

    // Parses the tables named primaryWord and fallbackWord (an empty word is skipped).
    // A table that is not in the program fails the whole load.
    bool Load(std::wstring_view primaryWord, std::wstring_view fallbackWord);
    bool Loaded() const { return loaded_; }

    // The text of key, from the primary table or else the fallback, with the \n and \r
    // sequences of the tables turned into line breaks; "Error Loading" when not loaded.
    std::wstring Lookup(std::wstring_view key, std::optional<std::wstring_view> sectionName = std::nullopt);

private:
    // Whether the table parsed; nullopt when the program has no table of that name.
    std::optional<bool> LoadTable(std::wstring_view word, TextTable& table);

    ProgramResources& resources_;
    TextTable primary_;
    TextTable fallback_;
    bool loaded_ = false;
};
