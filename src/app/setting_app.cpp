#include "app/setting_app.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <ole2.h>

#include "app/setting_dlg.h"

bool CSettingApp::InitInstance() {
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));

    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    InitCommonControlsEx(&controls);

    Gdiplus::GdiplusStartupInput gdiplus;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &gdiplus, nullptr);

    CardRoot = CardRootFromArguments(CommandLineArguments());

    CSettingDlg dialog(services_, CardRoot);
    dialog.DoModal();
    return false;
}

int CSettingApp::ExitInstance() {
    if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
    if (oleStarted_) OleUninitialize();
    return CWinApp::ExitInstance();
}
