#include "app/startup.h"

std::wstring CardRootFromArguments(const std::vector<std::wstring>& arguments) {
    return arguments.size() == 2 ? arguments[1] : std::wstring();
}

std::wstring FolderOf(const std::wstring& path) {
    auto last = path.rfind(L'\\');
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

std::wstring DriveRootOf(const std::wstring& path) {
    auto first = path.find(L'\\');
    return first == std::wstring::npos ? path : path.substr(0, first + 1);
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them: then each must be doubled.
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, L'\\');
    quoted += L'"';
    return quoted;
}

bool Relauncher::RunsFromRemovableMedia(const std::wstring& moduleFolder) {
    return host_.IsRemovableDrive(DriveRootOf(moduleFolder));
}

bool Relauncher::CopyToLocalDisk() {
    const std::wstring appData = host_.LocalAppDataFolder();
    if (appData.empty()) return false;
    const std::wstring folder = appData + L"\\Pelorvane";
    host_.CreateFolder(folder);  // usually exists already

    const std::wstring modulePath = host_.ModulePath();
    const auto lastBackslash = modulePath.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) return false;
    const std::wstring target = folder + modulePath.substr(lastBackslash);
    if (!host_.CopyProgram(modulePath, target)) return false;
    relaunchPath_ = target;
    return true;
}

bool Relauncher::Relaunch(const std::wstring& moduleFolder) {
    if (relaunchPath_.empty()) return false;
    const std::wstring workingFolder = DriveRootOf(relaunchPath_);
    host_.Launch(relaunchPath_, QuoteArgument(moduleFolder), workingFolder);
    debug_.Write(relaunchPath_);
    debug_.Write(moduleFolder);
    debug_.Write(workingFolder);
    return true;
}
