// The Windows side of card formatting against real Win32: drives, the bounded wait for the
// companion viewer, and the worker under the progress popup with a service double.
#include <windows.h>

#include <atomic>
#include <commctrl.h>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/companion_viewer.h"
#include "pages/win32_card_format.h"
#include "platform/win32_platform.h"
#include "resource.h"

namespace {

class NoService final : public FormatService {
public:
    Outcome Format(const FormatParameters&, FormatProgress&) override { return Outcome::Ran; }
};

TEST(Win32CardFormatHost, KnowsTheSystemDriveAndReadsVolumeSizes) {
    NoService service;
    Win32CardFormatHost host(nullptr, service);
    EXPECT_EQ(host.SystemDriveRoot(), L"C:\\");
    EXPECT_FALSE(host.IsRemovableDrive(L"C:\\"));
    EXPECT_GT(host.VolumeBytes(L"C:\\").value_or(0), 0u);
    EXPECT_FALSE(host.VolumeBytes(L"Q:\\").has_value());  // no such drive
}

// A viewer window on the test's own thread: it is served only if the wait pumps messages.
struct InThreadViewer {
    static inline bool signals = true;
    static inline HANDLE released = nullptr;
    static inline HWND owner = nullptr;
    static inline std::vector<UINT> received;
    static inline bool ownerEnabledDuringWait = true;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
        if (message == kViewerReleaseCardMessage) {
            received.push_back(message);
            ownerEnabledDuringWait = IsWindowEnabled(owner);
            if (signals) SetEvent(released);
            return 0;
        }
        return DefWindowProcW(hwnd, message, w, l);
    }
};

TEST(ViewerHandOff, WaitsForTheViewerWhileServingThisThreadsWindows) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = InThreadViewer::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"InThreadViewer";
    RegisterClassW(&wc);
    HWND owner =
        CreateWindowExW(0, L"STATIC", L"page", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND viewer = CreateWindowExW(0, L"InThreadViewer", kViewerAlternateTitle, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner && viewer);
    InThreadViewer::owner = owner;
    InThreadViewer::released = CreateEventW(nullptr, FALSE, FALSE, kViewerReleasedEvent);

    NoService service;
    // A viewer that answers, and one that never does: the bound ends the second wait.
    for (bool signals : {true, false}) {
        InThreadViewer::signals = signals;
        InThreadViewer::received.clear();
        InThreadViewer::ownerEnabledDuringWait = true;
        Win32CardFormatHost host(owner, service, CardFormatOptions{signals ? 60000u : 300u});
        EXPECT_TRUE(host.HandOffFromViewer()) << signals;
        EXPECT_EQ(InThreadViewer::received, std::vector<UINT>{1123}) << signals;
        EXPECT_FALSE(InThreadViewer::ownerEnabledDuringWait) << signals;
        EXPECT_TRUE(IsWindowEnabled(owner)) << signals;
    }
    CloseHandle(InThreadViewer::released);
    DestroyWindow(viewer);
    DestroyWindow(owner);
}

// Reports like the real service and reads the popup's bar after each step.
class ScriptedService final : public FormatService {
public:
    Outcome outcome = Outcome::Ran;
    int steps = 3;
    std::uint8_t doneByte = 1;
    std::vector<LRESULT> barAfterStep;

    Outcome Format(const FormatParameters&, FormatProgress& progress) override {
        if (outcome != Outcome::Ran) return outcome;
        HWND popup = FindWindowW(nullptr, L"Formatting memory card");
        for (int i = 0; i < steps; ++i) {
            progress.OnCallback(kFormatStructureProgress, nullptr);
            barAfterStep.push_back(SendDlgItemMessageW(popup, IDC_PROGRESS, PBM_GETPOS, 0, 0));
        }
        progress.OnCallback(kFormatDone, &doneByte);
        return Outcome::Ran;
    }
};

// Answers the worker's service message box and returns its text.
std::thread AnswerServiceMessage(std::wstring& text) {
    return std::thread([&text] {
        const std::wstring caption = ApplicationName();
        for (int i = 0; i < 500; ++i) {
            if (HWND box = FindWindowW(L"#32770", caption.c_str()); box && IsWindowVisible(box)) {
                text.resize(GetDlgItemTextW(box, 0xFFFF, text.data(), static_cast<int>(text.size())));
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return;
            }
            Sleep(10);
        }
    });
}

TEST(FormatUnderProgress, TheWorkerReportsIntoThePopupAndShowsServiceFailures) {
    struct Case {
        FormatService::Outcome outcome;
        int steps;
        std::uint8_t doneByte;
        std::vector<LRESULT> bar;
        const wchar_t* message;
        bool succeeded;
    };
    const Case cases[] = {
        {FormatService::Outcome::Ran, 3, 1, {20, 40, 60}, L"", true},
        {FormatService::Outcome::Ran, 6, 1, {20, 40, 60, 80, 100, 100}, L"", true},
        {FormatService::Outcome::Ran, 3, 0, {20, 40, 60}, L"", false},
        {FormatService::Outcome::LibraryMissing, 0, 0, {}, L"LoadLibrary(fmifs.dll) failed", false},
        {FormatService::Outcome::EntryMissing, 0, 0, {}, L"GetProcAddress(fmifs) failed", false},
    };
    for (const auto& c : cases) {
        ScriptedService service;
        service.outcome = c.outcome;
        service.steps = c.steps;
        service.doneByte = c.doneByte;
        std::wstring message(128, L'\0');
        std::thread answer;
        if (*c.message) answer = AnswerServiceMessage(message);
        Win32CardFormatHost host(nullptr, service);
        const bool succeeded = host.FormatUnderProgress(FormatParametersFor(L"E:\\", false), L"Formatting memory card",
                                                        L"Formatting memory card.\r\nPlease wait.\r\n");
        if (answer.joinable()) answer.join();
        EXPECT_EQ(succeeded, c.succeeded) << c.message << c.steps;
        EXPECT_EQ(service.barAfterStep, c.bar) << c.message << c.steps;
        if (*c.message) {
            EXPECT_EQ(message, c.message);
        }
    }
}

}  // namespace
