#include "app/popups.h"

#include <commctrl.h>

#include "app/popup_layout.h"
#include "resource.h"

namespace {

void Place(HWND dialog, int id, const Box& box) {
    MoveWindow(GetDlgItem(dialog, id), box.x, box.y, box.width, box.height, TRUE);
}

}  // namespace

CPopupDlg::CPopupDlg(UINT templateId) : CDialog(templateId), white_(CreateSolidBrush(RGB(255, 255, 255))) {}

CPopupDlg::~CPopupDlg() {
    DestroyWindow();
    DeleteObject(white_);
}

void CPopupDlg::SetContent(const std::wstring& title, const std::wstring& text, int width, int height) {
    title_ = title;
    text_ = text;
    width_ = width;
    height_ = height;
}

void CPopupDlg::ApplyContent(int textId) {
    SetWindowPos(m_hWnd, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(m_hWnd, title_.c_str());
    SetDlgItemTextW(m_hWnd, textId, text_.c_str());
}

bool CPopupDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC) {
        if (message == WM_CTLCOLORSTATIC) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(white_);
        return true;
    }
    return CDialog::HandleMessage(message, wParam, lParam, result);
}

CMsgPopupDlg::CMsgPopupDlg() : CPopupDlg(IDD_MSG_POPUP) {}

BOOL CMsgPopupDlg::OnInitDialog() {
    ApplyContent(IDC_MSG_TEXT);
    const MsgPopupLayout layout = LayOutMsgPopup(width_, height_, text_);
    Place(m_hWnd, IDC_MSG_TEXT, layout.text);
    Place(m_hWnd, IDOK, layout.yes);
    Place(m_hWnd, IDCANCEL, layout.no);
    ShowWindow(GetDlgItem(m_hWnd, IDOK), SW_SHOW);
    ShowWindow(GetDlgItem(m_hWnd, IDCANCEL), SW_SHOW);
    return TRUE;
}

bool CMsgPopupDlg::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    switch (msg.wParam) {
        case 'Y':
            EndDialog(IDOK);
            return true;
        case 'N':
            EndDialog(IDCANCEL);
            return true;
        case VK_ESCAPE:
            return true;  // only an answer closes the question
        default:
            return false;
    }
}

CProgPopupDlg::CProgPopupDlg() : CPopupDlg(IDD_PROG_POPUP) {}

INT_PTR CProgPopupDlg::DoModal(HWND owner, std::function<void()> onShown) {
    onShown_ = std::move(onShown);
    const INT_PTR result = CDialog::DoModal(owner);
    window_ = nullptr;
    bar_ = nullptr;
    return result;
}

BOOL CProgPopupDlg::OnInitDialog() {
    ApplyContent(IDC_PROG_TEXT);
    const ProgPopupLayout layout = LayOutProgPopup(width_, height_, text_);
    Place(m_hWnd, IDC_PROG_TEXT, layout.text);
    Place(m_hWnd, IDC_PROGRESS, layout.bar);
    HWND bar = GetDlgItem(m_hWnd, IDC_PROGRESS);
    SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    SendMessageW(bar, PBM_SETPOS, 0, 0);
    progress_ = 0;
    bar_ = bar;
    window_ = m_hWnd;
    if (onShown_) onShown_();
    return TRUE;
}

void CProgPopupDlg::SetProgress(int position) {
    position = ClampProgress(position);
    progress_ = position;
    if (HWND bar = bar_) SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void CProgPopupDlg::Close() {
    if (HWND window = window_) PostMessageW(window, WM_CLOSE, 0, 0);
}

bool CProgPopupDlg::PreTranslateMessage(MSG& msg) {
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
}
