#pragma once

#include "app/startup.h"

class Win32StartupHost final : public StartupHost {
public:
    std::wstring ModulePath() override;
    bool IsRemovableDrive(const std::wstring& driveRoot) override;
    std::wstring LocalAppDataFolder() override;
    void CreateFolder(const std::wstring& path) override;
    bool CopyProgram(const std::wstring& from, const std::wstring& to) override;
    void Launch(const std::wstring& program, const std::wstring& parameters, const std::wstring& folder) override;
};

// The process's arguments, the program name first.
std::vector<std::wstring> CommandLineArguments();
