#pragma once
// What the card's lang\ver.dat says about the camera's languages.

#include <string>
#include <vector>

struct LanguagePackInfo {
    std::wstring PackVersion;
    std::vector<std::wstring> PackCodes;
    std::vector<std::wstring> PackLanguageNames;
    std::wstring PackName;
    std::wstring PackDevice;
};
