// Any bytes as setup.cfg and default.cfg: load, save and restore the factory defaults.
#include <cstddef>
#include <cstdint>

#include "config/config_store.h"
#include "support/fakes.h"

namespace {

class NoOutput final : public DebugOutput {
public:
    void Write(std::wstring_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files;
    files.Bytes(L"E:\\setup.cfg").assign(data, data + size);
    files.Bytes(L"E:\\default.cfg").assign(data, data + size);
    NoOutput debug;
    Latin1CodePage ansi;
    RecordedNotices notices;
    ConfigStore store(files, debug, ansi, notices);
    store.CreateEmpty();
    if (!store.Load(L"E:\\setup.cfg")) __builtin_trap();
    store.Save(L"E:\\saved.cfg");
    store.RestoreDefaults(L"E:\\");
    store.Save(L"E:\\setup.cfg");
    return 0;
}
