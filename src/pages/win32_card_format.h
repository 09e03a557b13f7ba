#pragma once
// The Windows side of card formatting: message boxes, the companion viewer, drives and
// files, and FormatEx of fmifs.dll run by a worker under the progress popup.

#include <windows.h>

#include <string>

#include "app/win32_startup_host.h"
#include "pages/card_format.h"

// The Format button's command (button 1341 of the memory card page). page owns the
// message boxes; text gives the UI texts by key. Returns once the result has been shown.
void RunFormatCommand(HWND page, const std::wstring& cardRoot, const TextLookup& text);

// FormatEx of the system's fmifs.dll. The library comes from the system folder only: the
// program runs elevated from a user-writable folder, where a planted fmifs.dll would run
// with administrator rights.
class FmifsFormatService final : public FormatService {
public:
    Outcome Format(const FormatParameters& parameters, FormatProgress& progress) override;
};

struct CardFormatOptions {
    // How long a viewer gets to let go of the card; then the format goes ahead and reports
    // its own result.
    DWORD viewerWaitMs = 30000;
};

class Win32CardFormatHost : public CardFormatHost {
public:
    Win32CardFormatHost(HWND owner, FormatService& service, CardFormatOptions options = {})
        : owner_(owner), service_(service), options_(options) {}

    bool AskYesNo(const std::wstring& caption, const std::wstring& text) override;
    void Tell(const std::wstring& caption, const std::wstring& text) override;
    bool HandOffFromViewer() override;
    void NotifyViewerDeviceChanged() override;
    std::wstring ProgramPath() override;
    std::wstring SystemDriveRoot() override;
    bool IsRemovableDrive(const std::wstring& driveRoot) override;
    std::optional<std::uint64_t> VolumeBytes(const std::wstring& driveRoot) override;
    bool CopyOver(const std::wstring& from, const std::wstring& to) override;
    bool Remove(const std::wstring& path) override;
    void MakeFolder(const std::wstring& path) override;
    bool FormatUnderProgress(const FormatParameters& parameters, const std::wstring& title,
                             const std::wstring& text) override;

private:
    HWND owner_;
    FormatService& service_;
    CardFormatOptions options_;
    Win32StartupHost startup_;
};

// Waits until event is signalled or timeoutMs have passed, dispatching this thread's
// messages meanwhile so its windows keep painting; the owner's window takes no input while
// it waits, as under a modal dialog. False when WM_QUIT arrived (it is posted again).
bool WaitPumpingMessages(HANDLE event, DWORD timeoutMs, HWND owner);
