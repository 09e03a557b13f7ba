#include "app/companion_viewer.h"

#include <windows.h>

#include "app/registry_manager.h"

bool CompanionViewerRunning() {
    return FindWindowW(nullptr, kViewerWindowTitle) != nullptr;
}

std::wstring ReadViewerLanguage() {
    // 260 bytes into a 260-character zeroed buffer: the text always ends in NUL.
    wchar_t buffer[260] = {};
    if (!CRegistryManager::ReadText(HKEY_LOCAL_MACHINE, kViewerRegistryKey, kViewerLanguageValue, buffer, 260))
        return {};
    return buffer;
}
