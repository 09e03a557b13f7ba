#include "ui/dialog.h"

#include "ui/control.h"

CDialog::~CDialog() {
    DestroyWindow();
}

void CDialog::DestroyWindow() {
    if (!m_hWnd) return;
    HWND hwnd = m_hWnd;
    Detach();
    ::DestroyWindow(hwnd);
}

bool CDialog::Create(HWND parent) {
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

INT_PTR CDialog::DoModal(HWND owner) {
    modal_ = true;
    ended_ = false;
    result_ = -1;
    if (!Create(owner)) return -1;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);

    // Show the finished window only; an initialisation that posted WM_QUIT shows nothing.
    MSG msg;
    if (!ended_ && !PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
        // Centred over the owner, or on the screen's work area for a top-level window.
        RECT window{}, work{};
        GetWindowRect(m_hWnd, &window);
        if (!owner || !GetWindowRect(owner, &work) || IsIconic(owner))
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int width = window.right - window.left, height = window.bottom - window.top;
        SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
    }
    while (!ended_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got < 0) break;
        if (!PumpMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    DestroyWindow();
    modal_ = false;
    return result_;
}

// The PreTranslateMessage chain from the target window up to this dialog, then the
// dialog's own keyboard handling. True when the message is consumed.
bool CDialog::PumpMessage(MSG& msg) {
    for (HWND h = msg.hwnd; h; h = GetParent(h)) {
        if (CWnd* wnd = CWnd::FromHandle(h); wnd && wnd->PreTranslateMessage(msg)) return true;
        if (h == m_hWnd) break;
    }
    return m_hWnd && IsDialogMessageW(m_hWnd, &msg);
}

void CDialog::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    if (modal_ && m_hWnd) {
        ShowWindow(m_hWnd, SW_HIDE);
        PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
    }
}

bool CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            result = 0;
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            result = 0;
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        self->Attach(hwnd);
        return self->OnInitDialog();
    }
    auto* self = static_cast<CDialog*>(CWnd::FromHandle(hwnd));
    if (!self) return FALSE;
    LRESULT result = 0;
    bool handled = false;
    if (message == WM_NOTIFY) {
        // Controls that own their drawing (custom draw, tooltips) answer their own notifications.
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (auto* control = dynamic_cast<CControl*>(CWnd::FromHandle(header->hwndFrom)))
            handled = control->OnReflectedNotify(header, result);
    }
    if (!handled && !self->HandleMessage(message, wParam, lParam, result)) return FALSE;
    switch (message) {
        // These answer through the return value, not DWLP_MSGRESULT.
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_QUERYDRAGICON:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            return static_cast<INT_PTR>(result);
        default:
            SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
