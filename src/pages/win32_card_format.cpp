#include "pages/win32_card_format.h"

#include <atomic>
#include <thread>

#include "app/companion_viewer.h"
#include "app/popups.h"
#include "platform/win32_platform.h"

namespace {

using FormatCallbackProc = BOOLEAN(WINAPI*)(DWORD command, DWORD subAction, PVOID actionInfo);
using FormatExProc = void(WINAPI*)(PWCHAR driveRoot, DWORD mediaType, PWCHAR fileSystem, PWCHAR label, BOOL quickFormat,
                                   DWORD clusterBytes, FormatCallbackProc callback);

// FormatEx's callback carries no context: the one format running reports here.
std::atomic<FormatProgress*> currentFormat{nullptr};

BOOLEAN WINAPI FormatCallback(DWORD command, DWORD /*subAction*/, PVOID actionInfo) {
    FormatProgress* progress = currentFormat;
    return !progress || progress->OnCallback(command, actionInfo) ? TRUE : FALSE;
}

class PopupProgress final : public ProgressDisplay {
public:
    explicit PopupProgress(CProgPopupDlg& popup) : popup_(popup) {}
    int GetProgress() const override { return popup_.GetProgress(); }
    void SetProgress(int position) override { popup_.SetProgress(position); }

private:
    CProgPopupDlg& popup_;
};

// The worker thread: runs the service, shows the final position for a second and closes
// the popup, which ends its modal run on the GUI thread.
void FormatWorker(FormatService& service, const FormatParameters& parameters, FormatProgress& progress,
                  CProgPopupDlg& popup) {
    switch (service.Format(parameters, progress)) {
        case FormatService::Outcome::LibraryMissing:
            Win32UserNotices().Show(L"LoadLibrary(fmifs.dll) failed");
            break;
        case FormatService::Outcome::EntryMissing:
            Win32UserNotices().Show(L"GetProcAddress(fmifs) failed");
            break;
        case FormatService::Outcome::Ran:
            break;
    }
    progress.Finish();
    Sleep(1000);
    popup.Close();
}

}  // namespace

void RunFormatCommand(HWND page, const std::wstring& cardRoot, const TextLookup& text) {
    FmifsFormatService service;
    Win32CardFormatHost host(page, service);
    CardFormatter(host, cardRoot, text).Run();
}

FormatService::Outcome FmifsFormatService::Format(const FormatParameters& parameters, FormatProgress& progress) {
    HMODULE library = LoadLibraryExW(L"fmifs.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return Outcome::LibraryMissing;
    auto formatEx = reinterpret_cast<FormatExProc>(reinterpret_cast<void*>(GetProcAddress(library, "FormatEx")));
    if (!formatEx) {
        FreeLibrary(library);
        return Outcome::EntryMissing;
    }
    // FormatEx takes writable strings.
    std::wstring root = parameters.driveRoot, fileSystem = parameters.fileSystem, label = parameters.label;
    currentFormat = &progress;
    formatEx(root.data(), static_cast<DWORD>(parameters.mediaType), fileSystem.data(), label.data(),
             parameters.quick ? TRUE : FALSE, parameters.clusterBytes, FormatCallback);
    currentFormat = nullptr;
    FreeLibrary(library);
    return Outcome::Ran;
}

bool Win32CardFormatHost::AskYesNo(const std::wstring& caption, const std::wstring& text) {
    return MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}

void Win32CardFormatHost::Tell(const std::wstring& caption, const std::wstring& text) {
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK);
}

bool Win32CardFormatHost::HandOffFromViewer() {
    HWND viewer = FindWindowW(nullptr, kViewerWindowTitle);
    if (!viewer) viewer = FindWindowW(nullptr, kViewerAlternateTitle);
    if (!viewer) return true;
    PostMessageW(viewer, kViewerReleaseCardMessage, 0, 0);
    HANDLE released = OpenEventW(EVENT_ALL_ACCESS, FALSE, kViewerReleasedEvent);
    if (!released) return true;
    const bool goOn = WaitPumpingMessages(released, options_.viewerWaitMs, owner_);
    CloseHandle(released);
    return goOn;
}

void Win32CardFormatHost::NotifyViewerDeviceChanged() {
    if (HWND viewer = FindWindowW(nullptr, kViewerAlternateTitle)) PostMessageW(viewer, WM_DEVICECHANGE, 0, 0);
}

std::wstring Win32CardFormatHost::ProgramPath() {
    return startup_.ModulePath();
}

std::wstring Win32CardFormatHost::SystemDriveRoot() {
    wchar_t folder[MAX_PATH] = {};
    if (!GetSystemDirectoryW(folder, MAX_PATH)) return {};
    return DriveRootOf(folder);
}

bool Win32CardFormatHost::IsRemovableDrive(const std::wstring& driveRoot) {
    return startup_.IsRemovableDrive(driveRoot);
}

std::optional<std::uint64_t> Win32CardFormatHost::VolumeBytes(const std::wstring& driveRoot) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceW(driveRoot.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return std::nullopt;
    return std::uint64_t{sectorsPerCluster} * bytesPerSector * totalClusters;
}

bool Win32CardFormatHost::CopyOver(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

bool Win32CardFormatHost::Remove(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != 0;
}

void Win32CardFormatHost::MakeFolder(const std::wstring& path) {
    CreateDirectoryW(path.c_str(), nullptr);
}

bool Win32CardFormatHost::FormatUnderProgress(const FormatParameters& parameters, const std::wstring& title,
                                              const std::wstring& text) {
    CProgPopupDlg popup;
    popup.SetContent(title, text, 400, 150);
    PopupProgress display(popup);
    FormatProgress progress(display);
    std::thread worker;
    // The popup owns the whole main window, not just the page, so nothing takes input meanwhile.
    popup.DoModal(owner_ ? GetAncestor(owner_, GA_ROOT) : nullptr,
                  [&] { worker = std::thread([&] { FormatWorker(service_, parameters, progress, popup); }); });
    if (worker.joinable()) worker.join();
    return progress.Succeeded();
}

bool WaitPumpingMessages(HANDLE event, DWORD timeoutMs, HWND owner) {
    HWND window = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    const bool wasEnabled = window && IsWindowEnabled(window);
    if (wasEnabled) EnableWindow(window, FALSE);
    bool quit = false;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (ULONGLONG now = GetTickCount64(); !quit && now < deadline; now = GetTickCount64()) {
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &event, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                                       MWMO_INPUTAVAILABLE);
        if (woke != WAIT_OBJECT_0 + 1) break;  // released, timed out or failed
        MSG msg;
        while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                quit = true;
            } else {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    if (wasEnabled) EnableWindow(window, TRUE);
    return !quit;
}
