#include "ui/window.h"

namespace {

const wchar_t kObjectProperty[] = L"DashcamSetting.CWnd";
const wchar_t kWindowClass[] = L"DashcamSetting.Window";

// One plain class for every window made by CWnd::Create: no background brush (each window
// paints all of itself) and no double-click messages, so quick clicks stay clicks.
bool RegisterWindowClass(WNDPROC proc) {
    static const bool registered = [proc] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(WNDCLASSEXW);
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

CWnd::~CWnd() {
    HWND hwnd = m_hWnd;
    Detach();
    // The object is half gone by now: the window's last messages go to DefWindowProc.
    if (ownsWindow_ && hwnd && IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

bool CWnd::PreTranslateMessage(MSG&) {
    return false;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::Detach() {
    if (m_hWnd && IsWindow(m_hWnd)) RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

bool CWnd::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWnd::Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle) {
    if (m_hWnd || !RegisterWindowClass(WindowProc)) return false;
    ownsWindow_ = true;
    const HWND hwnd = CreateWindowExW(
        exStyle, kWindowClass, L"", style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

LRESULT CALLBACK CWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) self->Attach(hwnd);
    }
    CWnd* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->HandleMessage(message, wParam, lParam, result);
    } catch (...) {
        // Nothing may unwind into the system's code; the message gets the default handling.
        OutputDebugStringW(L"DashcamSetting: a window message handler failed\n");
        handled = false;
    }
    if (!handled) result = DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Detach();
    return result;
}
