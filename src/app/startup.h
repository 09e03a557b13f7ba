#pragma once
// The start-up decisions that need no window: where the card is, whether this instance
// runs from the card and must hand over to a copy on the local disk, and how.

#include <string>
#include <vector>

#include "platform/platform.h"

// The operations the relaunch needs (shell, files, processes on Windows).
class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual std::wstring ModulePath() = 0;
    virtual bool IsRemovableDrive(const std::wstring& driveRoot) = 0;
    // The per-user local application-data folder, or empty when there is none.
    virtual std::wstring LocalAppDataFolder() = 0;
    virtual void CreateFolder(const std::wstring& path) = 0;
    // Copies, replacing an existing target.
    virtual bool CopyProgram(const std::wstring& from, const std::wstring& to) = 0;
    virtual void Launch(const std::wstring& program, const std::wstring& parameters, const std::wstring& folder) = 0;
};

// The card folder: the only argument after the program name, or empty.
std::wstring CardRootFromArguments(const std::vector<std::wstring>& arguments);
// The folder of a path, up to and including its last backslash.
std::wstring FolderOf(const std::wstring& path);
// The drive root of a path, up to and including its first backslash ("E:\").
std::wstring DriveRootOf(const std::wstring& path);
// Quotes an argument so that the Windows command-line rules give it back unchanged,
// trailing backslashes included: E:\My Card\ becomes "E:\My Card\\".
std::wstring QuoteArgument(const std::wstring& argument);

// Copies the running program into <local app data>\Pelorvane and starts the copy with
// the program's own folder as its card folder. Returns true when the copy was started
// and this instance should quit without a window.
class Relauncher {
public:
    Relauncher(StartupHost& host, DebugOutput& debug) : host_(host), debug_(debug) {}

    bool RunsFromRemovableMedia(const std::wstring& moduleFolder);
    bool CopyToLocalDisk();
    bool Relaunch(const std::wstring& moduleFolder);
    const std::wstring& RelaunchPath() const { return relaunchPath_; }

private:
    StartupHost& host_;
    DebugOutput& debug_;
    std::wstring relaunchPath_;
};
