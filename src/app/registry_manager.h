#pragma once
// Thin wrappers over the registry calls the program makes.

#include <windows.h>

#include <string>
#include <vector>

class CRegistryManager {
public:
    static LONG OpenKey(HKEY root, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* key);
    // Appends the names of key's subkeys in index order; indexes that fail are skipped.
    static void ListSubKeys(HKEY key, std::vector<std::wstring>& names);
    static void ListValues(HKEY key, std::vector<std::wstring>& names);
    static LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size);
    // Reads a text value into buffer (sizeBytes bytes); false when it is missing or does not fit.
    static bool ReadText(HKEY root, const wchar_t* subKey, const wchar_t* valueName, wchar_t* buffer, DWORD sizeBytes);
};
