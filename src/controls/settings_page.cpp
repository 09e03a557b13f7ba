#include "controls/settings_page.h"

bool CSettingsPage::PreTranslateMessage(MSG& msg) {
    // Escape would end the dialog; a page is never ended by a key.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return true;
    return CBaseDialog::PreTranslateMessage(msg);
}

BOOL CSettingsPage::OnInitDialog() {
    CBaseDialog::OnInitDialog();
    AttachControls();
    MoveWindow(m_hWnd, 0, 0, kViewWidth, kViewHeight, TRUE);
    m_scrollPos = 0;
    CreatePageFonts();
    BuildControls();
    InitScrolling();
    ShowWindow(GetDlgItem(m_hWnd, focusTarget_), SW_HIDE);
    return TRUE;
}

bool CSettingsPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A click on the page takes the focus from its controls, so arrow keys move no slider;
    // then the click is handled as usual.
    if (message == WM_LBUTTONDOWN) SetFocus(GetDlgItem(m_hWnd, focusTarget_));
    return CBaseDialog::HandleMessage(message, wParam, lParam, result);
}
