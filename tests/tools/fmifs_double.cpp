// A stand-in for the system's fmifs.dll, installed into the test prefix's system folder
// (Wine has none). FormatEx records its arguments and the folder it was loaded from,
// erases everything under the drive root like a format, and reports like the real
// service: a percentage, three structure steps, then done with the result that
// FMIFS_DOUBLE_MODE asks for ("fail": done with failure, "nodone": no done report).
// Built a second time without FormatEx to stand for a library that lacks the entry.
#include <windows.h>

#include <string>

#include "tools/test_log.h"

#ifndef FMIFS_DOUBLE_WITHOUT_FORMAT_EX
namespace {

using Callback = BOOLEAN(WINAPI*)(DWORD command, DWORD subAction, PVOID actionInfo);

std::wstring Environment(const wchar_t* name) {
    wchar_t value[256] = {};
    GetEnvironmentVariableW(name, value, 256);
    return value;
}

void EraseFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            EraseFolder(path + L"\\");
            RemoveDirectoryW(path.c_str());
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

std::wstring OwnPath() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnPath), &self);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(self, path, MAX_PATH);
    return path;
}

}  // namespace

extern "C" __declspec(dllexport) void WINAPI FormatEx(PWCHAR driveRoot, DWORD mediaType, PWCHAR fileSystem,
                                                      PWCHAR label, BOOL quick, DWORD clusterBytes, Callback callback) {
    AppendLine(L"fmifs: FormatEx root=" + std::wstring(driveRoot) + L" media=" + std::to_wstring(mediaType) + L" fs=" +
               fileSystem + L" label=[" + label + L"] quick=" + std::to_wstring(quick) + L" cluster=" +
               std::to_wstring(clusterBytes) + L" from=" + OwnPath());
    EraseFolder(driveRoot);
    const std::wstring mode = Environment(L"FMIFS_DOUBLE_MODE");
    DWORD percent = 50;
    std::wstring answers = std::to_wstring(callback(0, 0, &percent));
    for (int step = 0; step < 3; ++step) answers += L" " + std::to_wstring(callback(15, 0, nullptr));
    if (mode != L"nodone") {
        BOOLEAN result = mode == L"fail" ? FALSE : TRUE;
        answers += L" " + std::to_wstring(callback(11, 0, &result));
    }
    AppendLine(L"fmifs: callback answers " + answers);
}
#else
extern "C" __declspec(dllexport) void WINAPI FormatSomethingElse() {}
#endif
