#include "app/win32_startup_host.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

std::wstring Win32StartupHost::ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // long paths are not cut short
    }
}

bool Win32StartupHost::IsRemovableDrive(const std::wstring& driveRoot) {
    return GetDriveTypeW(driveRoot.c_str()) == DRIVE_REMOVABLE;
}

std::wstring Win32StartupHost::LocalAppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_LOCAL_APPDATA, FALSE)) return {};
    return folder;
}

void Win32StartupHost::CreateFolder(const std::wstring& path) {
    CreateDirectoryW(path.c_str(), nullptr);
}

bool Win32StartupHost::CopyProgram(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

void Win32StartupHost::Launch(const std::wstring& program, const std::wstring& parameters, const std::wstring& folder) {
    ShellExecuteW(nullptr, L"open", program.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
}

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    if (!arguments) return result;
    for (int i = 0; i < count; ++i) result.emplace_back(arguments[i]);
    LocalFree(arguments);
    return result;
}
