#include "ui/window.h"

namespace {
const wchar_t kObjectProperty[] = L"DashcamSetting.CWnd";
}

CWnd::~CWnd() {
    Detach();
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
