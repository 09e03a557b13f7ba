// Stands in for the companion viewer in the end-to-end tests: one top-level window with
// the viewer's title, until it is closed.
//   fake_viewer READY    touch READY once the window exists
#include <windows.h>

#include <cstdio>

#include "app/companion_viewer.h"

namespace {

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ViewerProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"FakeCompanionViewer";
    if (!RegisterClassW(&windowClass)) return 2;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, kViewerWindowTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 2;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    if (argv && argc > 1) {
        if (FILE* ready = _wfopen(argv[1], L"wb")) fclose(ready);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
