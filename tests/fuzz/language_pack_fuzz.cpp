// Any bytes as the card's lang\ver.dat, then the UI language chosen from what was read.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "i18n/language_pack.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files;
    files.Bytes(L"E:\\lang\\ver.dat").assign(data, data + size);
    LanguagePackInfo info;
    ParseLanguagePack(files, L"E:\\lang\\", info);
    // Codes are unique in the table, so each code gives at most one name.
    if (info.PackLanguageNames.size() > info.PackCodes.size()) __builtin_trap();
    if (files.bytesRead > kMaxLanguagePackBytes) __builtin_trap();

    std::int32_t index = 0;
    if (size >= sizeof index) std::memcpy(&index, data, sizeof index);
    const std::wstring word = ChooseUiLanguage(false, L"", info.PackCodes, index);
    bool known = false;
    for (const UiLanguage& language : kUiLanguages) known = known || language.word == word;
    if (!known) __builtin_trap();
    return 0;
}
