// Any bytes as a compiled text table, parsed and looked up through the catalog.
#include <cstddef>
#include <cstdint>

#include "i18n/text_catalog.h"
#include "support/fakes.h"

namespace {

class NoOutput final : public DebugOutput {
public:
    void Write(std::wstring_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryResources resources;
    resources.Add(kTextTableResourceType, L"FUZZ", std::vector<std::uint8_t>(data, data + size));
    NoOutput debug;
    Latin1CodePage ansi;
    TextCatalog catalog(resources, debug, ansi);
    const bool loaded = catalog.Load(L"fuzz", L"fuzz");
    if (loaded != (size >= 2)) __builtin_trap();
    for (const wchar_t* key : {L"IDS_STRING101", L"A", L"", L"[text]"}) {
        const std::wstring text = catalog.Lookup(key);
        if (!loaded && text != L"Error Loading") __builtin_trap();
        (void)catalog.Lookup(key, L"font");
    }
    TextTable table(debug, ansi);
    table.LoadFromBuffer({data, size});
    std::wstring text;
    table.GetString(L"FONT", L"DEFAULT_UI_FACENAME", text, L"");
    table.GetString(L"font", L"DEFAULT_UI_FACENAME", text, L"");
    table.GetString(std::nullopt, L"IDS_STRING101", text, L"");
    return 0;
}
