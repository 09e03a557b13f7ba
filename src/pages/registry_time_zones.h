#pragma once
// The PC's time-zone database in the registry, read through CRegistryManager.

#include <windows.h>

#include <string>

#include "pages/time_zone_list.h"

class RegistryTimeZoneDatabase final : public TimeZoneDatabase {
public:
    static constexpr const wchar_t* kTimeZonesKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

    // Tests point it at a key of their own.
    explicit RegistryTimeZoneDatabase(HKEY root = HKEY_LOCAL_MACHINE, std::wstring path = kTimeZonesKey)
        : root_(root), path_(std::move(path)) {}

    std::vector<std::wstring> ZoneKeyNames() const override;
    std::unique_ptr<ZoneKey> OpenZone(const std::wstring& keyName) const override;

private:
    HKEY root_;
    std::wstring path_;
};
