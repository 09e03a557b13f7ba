#include "pages/registry_time_zones.h"

#include <algorithm>

#include "app/registry_manager.h"

namespace {

class OpenKey {
public:
    OpenKey(HKEY root, const std::wstring& path) {
        if (CRegistryManager::OpenKey(root, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

class RegistryZoneKey final : public ZoneKey {
public:
    RegistryZoneKey(HKEY root, const std::wstring& path) : key_(root, path) {}
    bool IsOpen() const { return key_.Get() != nullptr; }

    std::vector<std::wstring> ValueNames() const override {
        std::vector<std::wstring> names;
        CRegistryManager::ListValues(key_.Get(), names);
        return names;
    }

    std::optional<std::vector<std::uint8_t>> ReadValue(const std::wstring& name, std::size_t maxBytes) const override {
        // A value longer than the buffer is refused whole, so ask for its size and read
        // all of it; the caller keeps only what its field holds. A few tries cover a value
        // that grows between the two calls.
        std::vector<std::uint8_t> bytes(maxBytes);
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD size = static_cast<DWORD>(bytes.size());
            const LONG status = CRegistryManager::QueryValue(key_.Get(), name.c_str(), nullptr,
                                                             bytes.empty() ? nullptr : bytes.data(), &size);
            if (status == ERROR_SUCCESS) {
                bytes.resize(std::min({std::size_t{size}, bytes.size(), maxBytes}));
                return bytes;
            }
            if (status != ERROR_MORE_DATA) return std::nullopt;
            bytes.assign(size, 0);
        }
        return std::nullopt;
    }

private:
    OpenKey key_;
};

}  // namespace

std::vector<std::wstring> RegistryTimeZoneDatabase::ZoneKeyNames() const {
    std::vector<std::wstring> names;
    OpenKey zones(root_, path_);
    if (zones.Get()) CRegistryManager::ListSubKeys(zones.Get(), names);
    return names;
}

std::unique_ptr<ZoneKey> RegistryTimeZoneDatabase::OpenZone(const std::wstring& keyName) const {
    // An empty name would open the Time Zones key itself and read its values as a zone.
    if (keyName.empty()) return nullptr;
    auto key = std::make_unique<RegistryZoneKey>(root_, path_ + L"\\" + keyName);
    if (!key->IsOpen()) return nullptr;
    return key;
}
