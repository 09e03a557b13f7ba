#include "i18n/text_catalog.h"

namespace {

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    for (std::size_t pos = text.find(from); pos != std::wstring::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

}  // namespace

std::optional<bool> TextCatalog::LoadTable(std::wstring_view word, TextTable& table) {
    const auto bytes = resources_.Find(kTextTableResourceType, word);
    if (!bytes) return std::nullopt;
    return table.LoadFromBuffer(*bytes);
}

bool TextCatalog::Load(std::wstring_view primaryWord, std::wstring_view fallbackWord) {
    loaded_ = false;
    bool parsed = false;
    if (!primaryWord.empty()) {
        const auto result = LoadTable(primaryWord, primary_);
        if (!result) return false;
        parsed = *result;
    }
    if (!fallbackWord.empty()) {
        const auto result = LoadTable(fallbackWord, fallback_);
        if (!result) return false;
        parsed = parsed || *result;
    }
    if (!parsed) return false;
    loaded_ = true;
    return true;
}

std::wstring TextCatalog::Lookup(std::wstring_view key, std::optional<std::wstring_view> sectionName) {
    if (!loaded_) return L"Error Loading";
    std::wstring text;
    // An empty text counts as missing: a translation left blank shows the English one.
    if (!primary_.GetString(sectionName, key, text, L"") || text.empty())
        fallback_.GetString(sectionName, key, text, L"");
    ReplaceAll(text, L"\\n", L"\n");
    ReplaceAll(text, L"\\r", L"\r");
    return text;
}
