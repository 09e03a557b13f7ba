// Runs the Format command the way the memory card page will, for the end-to-end test:
//   format_driver CARD_ROOT TEXT_TABLE ANSWER SIZE_MIB WAIT_MS
// TEXT_TABLE is the English text table (KEY="text" lines) the texts are looked up in;
// ANSWER ("yes" or "no") answers the confirmation; SIZE_MIB is the card size the size
// query claims ("real" asks the drive); WAIT_MS bounds the wait for the viewer.
// Everything the user would see goes to the shared test log: each message box with its
// caption and text, the progress popup's title and text, and every position of its bar.
#include <windows.h>

#include <atomic>
#include <commctrl.h>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "pages/win32_card_format.h"
#include "tools/test_log.h"

namespace {

std::map<std::wstring, std::wstring> ReadTextTable(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::map<std::wstring, std::wstring> texts;
    std::string line;
    while (std::getline(content, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find("=\"");
        if (equals == std::string::npos || line.back() != '"') continue;
        const std::string key = line.substr(0, equals), text = line.substr(equals + 2, line.size() - equals - 3);
        std::wstring wide(text.size(), L'\0');
        wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                        static_cast<int>(wide.size())));
        texts[std::wstring(key.begin(), key.end())] = wide;
    }
    return texts;
}

// The size query answers what the test claims, so a small test folder can pass for a large card.
class ClaimedSizeHost final : public Win32CardFormatHost {
public:
    ClaimedSizeHost(HWND owner, FormatService& service, CardFormatOptions options, std::optional<std::uint64_t> bytes)
        : Win32CardFormatHost(owner, service, options), bytes_(bytes) {}
    std::optional<std::uint64_t> VolumeBytes(const std::wstring& driveRoot) override {
        return bytes_ ? bytes_ : Win32CardFormatHost::VolumeBytes(driveRoot);
    }

private:
    std::optional<std::uint64_t> bytes_;
};

LRESULT CALLBACK ProgressHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->message == PBM_SETPOS) AppendLine(L"progress " + std::to_wstring(sent->wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
    return text;
}

// Plays the user: reads every dialog this process shows and answers the message boxes.
class User {
public:
    explicit User(bool answerYes) : answerYes_(answerYes), thread_([this] { Run(); }) {}
    ~User() {
        stop_ = true;
        thread_.join();
    }

private:
    void Run() {
        while (!stop_) {
            EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            std::erase_if(seen_, [](HWND hwnd) { return !IsWindow(hwnd); });
            Sleep(20);
        }
    }

    static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
        reinterpret_cast<User*>(self)->Look(hwnd);
        return TRUE;
    }

    void Look(HWND hwnd) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        wchar_t className[32] = {};
        GetClassNameW(hwnd, className, 32);
        if (process != GetCurrentProcessId() || !IsWindowVisible(hwnd) || std::wstring(className) != L"#32770" ||
            !seen_.insert(hwnd).second)
            return;
        if (HWND text = GetDlgItem(hwnd, 0xFFFF)) {
            AppendLine(L"box " + TextOf(hwnd) + L": " + TextOf(text));
            const int answer = GetDlgItem(hwnd, IDYES) ? (answerYes_ ? IDYES : IDNO) : IDOK;
            PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, answer)));
        } else if (GetDlgItem(hwnd, 1118)) {
            AppendLine(L"popup " + TextOf(hwnd) + L": " + TextOf(GetDlgItem(hwnd, 1120)));
        }
    }

    const bool answerYes_;
    std::atomic<bool> stop_{false};
    std::set<HWND> seen_;
    std::thread thread_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) return 2;
    const std::wstring cardRoot = argv[1], answer = argv[3], size = argv[4];
    const auto texts = ReadTextTable(argv[2]);
    std::optional<std::uint64_t> claimed;
    if (size != L"real") claimed = std::stoull(size) << 20;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    // Stands for the page: the owner of the message boxes, which the viewer double probes.
    HWND page = CreateWindowExW(0, L"STATIC", L"Format driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, ProgressHook, nullptr, GetCurrentThreadId());

    FmifsFormatService service;
    ClaimedSizeHost host(page, service, CardFormatOptions{static_cast<DWORD>(std::stoul(argv[5]))}, claimed);
    {
        User user(answer == L"yes");
        CardFormatter(host, cardRoot, [&](const std::wstring& key) {
            auto it = texts.find(key);
            return it == texts.end() ? std::wstring() : it->second;
        }).Run();
    }
    AppendLine(L"driver: done");
    UnhookWindowsHookEx(hook);
    DestroyWindow(page);
    return 0;
}
