#pragma once

#include <windows.h>

#include <string>

#include "app/app_services.h"
#include "app/win32_startup_host.h"
#include "platform/win32_platform.h"
#include "ui/app.h"

class CSettingApp final : public CWinApp {
public:
    // The framework's root key for profile settings; the program itself stores nothing.
    static constexpr wchar_t kRegistryKey[] = L"Quorvanta M250 Setting";

    // The memory-card folder from the command line, ending in a backslash; empty without one.
    std::wstring CardRoot;

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    Win32DebugOutput debug_;
    Win32AnsiCodePage ansi_;
    Win32FileSystem files_;
    Win32PcTimeZone timeZone_;
    Win32UserNotices notices_;
    Win32StartupHost startup_;
    AppServices services_{debug_, ansi_, files_, timeZone_, notices_, startup_};
    ULONG_PTR gdiplusToken_ = 0;
    bool oleStarted_ = false;
};
