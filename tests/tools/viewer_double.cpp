// A stand-in for the camera maker's companion viewer:
//   viewer_double MODE TITLE...
// Opens a top-level window per title and the event "EVENT_FILE_PARSING". On message 1123
// it checks that the formatting program's window ("Format driver") still answers, then in
// MODE "answer" lets go of the card after a moment and signals the event; in MODE "silent"
// it never signals. Every 1123 and WM_DEVICECHANGE is written to the shared test log.
#include <windows.h>

#include <string>

#include "tools/test_log.h"

namespace {

std::wstring mode;
HANDLE released = nullptr;
int openWindows = 0;

std::wstring TitleOf(HWND hwnd) {
    wchar_t title[128] = {};
    GetWindowTextW(hwnd, title, 128);
    return title;
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case 1123: {
            AppendLine(L"viewer " + TitleOf(hwnd) + L": 1123 " + std::to_wstring(wParam) + L" " +
                       std::to_wstring(lParam));
            DWORD_PTR answer = 0;
            HWND driver = FindWindowW(nullptr, L"Format driver");
            const bool responsive =
                driver && SendMessageTimeoutW(driver, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer) != 0;
            AppendLine(L"viewer: driver responsive=" + std::to_wstring(responsive));
            if (mode == L"answer") {
                Sleep(300);
                AppendLine(L"viewer: released");
                SetEvent(released);
            }
            return 0;
        }
        case WM_DEVICECHANGE:
            AppendLine(L"viewer " + TitleOf(hwnd) + L": WM_DEVICECHANGE " + std::to_wstring(wParam) + L" " +
                       std::to_wstring(lParam));
            return TRUE;
        case WM_DESTROY:
            if (--openWindows == 0) PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 1;
    mode = argv[1];
    released = CreateEventW(nullptr, FALSE, FALSE, L"EVENT_FILE_PARSING");
    WNDCLASSW wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ViewerDouble";
    RegisterClassW(&wc);
    for (int i = 2; i < argc; ++i) {
        if (CreateWindowExW(0, L"ViewerDouble", argv[i], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                            nullptr, wc.hInstance, nullptr))
            ++openWindows;
    }
    AppendLine(L"viewer: ready");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    CloseHandle(released);
    return 0;
}
