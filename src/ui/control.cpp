#include "ui/control.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x44434D53;
}

CControl::~CControl() {
    Unsubclass();
}

bool CControl::SubclassDlgItem(HWND dialog, int id) {
    HWND hwnd = GetDlgItem(dialog, id);
    if (!hwnd || !SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
    Attach(hwnd);
    return true;
}

void CControl::Unsubclass() {
    if (!m_hWnd) return;
    RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    Detach();
}

bool CControl::OnReflectedNotify(NMHDR*, LRESULT&) {
    return false;
}

LRESULT CControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
    auto* self = reinterpret_cast<CControl*>(data);
    if (message == WM_NCDESTROY) {
        self->Unsubclass();
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (self->HandleMessage(message, wParam, lParam, result)) return result;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
