#pragma once
// The platform services the application works through; Windows builds them from Win32,
// tests from doubles.

#include "app/startup.h"
#include "platform/platform.h"

struct AppServices {
    DebugOutput& debug;
    const AnsiCodePage& ansi;
    FileSystem& files;
    PcTimeZone& timeZone;
    UserNotices& notices;
    StartupHost& startup;
};
