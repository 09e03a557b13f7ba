#include "app/registry_manager.h"

LONG CRegistryManager::OpenKey(HKEY root, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* key) {
    return RegOpenKeyExW(root, subKey, options, access, key);
}

void CRegistryManager::ListSubKeys(HKEY key, std::vector<std::wstring>& names) {
    DWORD count = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0; i < count; ++i) {
        wchar_t name[256];
        DWORD length = 255;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            names.emplace_back(name, length);
    }
}

void CRegistryManager::ListValues(HKEY key, std::vector<std::wstring>& names) {
    DWORD count = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                         nullptr) != ERROR_SUCCESS)
        return;
    std::wstring name(16384, L'\0');
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = 16383;
        if (RegEnumValueW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            names.emplace_back(name.data(), length);
    }
}

LONG CRegistryManager::QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) {
    return RegQueryValueExW(key, name, nullptr, type, data, size);
}

bool CRegistryManager::ReadText(HKEY root, const wchar_t* subKey, const wchar_t* valueName, wchar_t* buffer,
                                DWORD sizeBytes) {
    // Opened, not created: reading another program's setting should leave no trace.
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = sizeBytes;
    const LONG status = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        ZeroMemory(buffer, sizeBytes);
        return false;
    }
    return true;
}
