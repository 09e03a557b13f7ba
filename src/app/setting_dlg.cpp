#include "app/setting_dlg.h"

#include "app/companion_viewer.h"
#include "app/ui_texts.h"
#include "config/clock_file.h"
#include "i18n/language_pack.h"
#include "resource.h"

CSettingDlg::CSettingDlg(AppServices& services, std::wstring cardRoot)
    : CDialog(IDD_SETTING),
      services_(services),
      cardRoot_(std::move(cardRoot)),
      store_(services.files, services.debug, services.ansi, services.notices),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

const MessageMap<CSettingDlg>& CSettingDlg::Messages() {
    static const MessageMap<CSettingDlg> map{
        OnMessage(WM_QUERYDRAGICON, &CSettingDlg::QueryDragIcon),
    };
    return map;
}

bool CSettingDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result) ||
           CDialog::HandleMessage(message, wParam, lParam, result);
}

LRESULT CSettingDlg::QueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(icon_);
}

BOOL CSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    viewerLanguage_ = ReadViewerLanguage();
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    moduleFolder_ = FolderOf(services_.startup.ModulePath());

    // Started from the card: hand over to a copy on the local disk, so the card can be
    // formatted while the program runs.
    Relauncher relauncher(services_.startup, services_.debug);
    if (relauncher.RunsFromRemovableMedia(moduleFolder_) && relauncher.CopyToLocalDisk() &&
        relauncher.Relaunch(moduleFolder_)) {
        relaunchPath_ = relauncher.RelaunchPath();
        PostQuitMessage(0);
        return TRUE;
    }

    store_.CreateEmpty();
    ClockSettingEnabled = 0;
    SetWindowPos(m_hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_HIDEWINDOW | SWP_NOZORDER);
    GetClientRect(m_hWnd, &client_);
    if (cardRoot_.empty()) {
        PostQuitMessage(0);
        return TRUE;
    }

    ParseLanguagePack(services_.files, cardRoot_ + L"lang\\", store_.LanguagePack());
    if (!store_.Load(cardRoot_ + L"setup.cfg")) store_.RestoreDefaults(cardRoot_);

    // The viewer's own language wins while it runs, so both programs speak the same one.
    const std::wstring language =
        ChooseUiLanguage(CompanionViewerRunning(), viewerLanguage_, store_.LanguagePack().PackCodes,
                         store_.Record()->Get(Field::LanguageIndex));
    UiTexts().Load(language, kEnglishWord);
    SetWindowTextW(m_hWnd, UiTexts().Lookup(L"IDS_STRING101").c_str());

    initialised_ = true;
    return TRUE;
}
