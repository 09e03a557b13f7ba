#pragma once
// One timeline shared by the programs of the formatting test (driver, viewer double, fmifs
// double): each appends whole lines to the file named by FORMAT_TEST_LOG, with carriage
// returns and line feeds written as \r and \n.

#include <windows.h>

#include <string>

inline void AppendLine(const std::wstring& line) {
    wchar_t path[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"FORMAT_TEST_LOG", path, MAX_PATH)) return;
    std::wstring escaped;
    for (wchar_t c : line) escaped += c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
    escaped += L'\n';
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, escaped.data(), static_cast<int>(escaped.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, escaped.data(), static_cast<int>(escaped.size()), bytes.data(), n, nullptr,
                        nullptr);
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}
