#include "app/setting_dlg.h"

#include "app/companion_viewer.h"
#include "app/ui_texts.h"
#include "config/clock_file.h"
#include "controls/skin.h"
#include "i18n/language_pack.h"
#include "pages/win32_card_format.h"
#include "resource.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

RECT Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

}  // namespace

CSettingDlg::CSettingDlg(AppServices& services, std::wstring cardRoot)
    : CDialog(IDD_SETTING),
      services_(services),
      cardRoot_(std::move(cardRoot)),
      store_(services.files, services.debug, services.ansi, services.notices),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CSettingDlg::~CSettingDlg() {
    // A close the framework did on its own still frees the pages and the record.
    ReleasePages();
    store_.Release();
}

const MessageMap<CSettingDlg>& CSettingDlg::Messages() {
    static const MessageMap<CSettingDlg> map{
        OnMessage(WM_QUERYDRAGICON, &CSettingDlg::QueryDragIcon),
        OnMessage(WM_PAINT, &CSettingDlg::Paint),
        OnMessage(WM_MOUSEMOVE, &CSettingDlg::MouseMove),
        OnCommandRange(IDC_TAB_RECORD, IDC_TAB_SYSTEM, &CSettingDlg::ShowPage),
        OnCommand(IDC_MINIMISE, &CSettingDlg::Minimise),
        OnCommand(IDC_CLOSE, &CSettingDlg::Close),
        OnCommand(IDC_INITIALIZE, &CSettingDlg::Initialize),
        OnCommand(IDC_CANCEL, &CSettingDlg::Close),
        OnCommand(IDC_SAVE, &CSettingDlg::Save),
    };
    return map;
}

bool CSettingDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result) ||
           CDialog::HandleMessage(message, wParam, lParam, result);
}

TextLookup CSettingDlg::Texts() const {
    return [](const std::wstring& key) { return UiTexts().Lookup(key); };
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

    BuildWindow();
    RefreshPages();
    initialised_ = true;
    return TRUE;
}

void CSettingDlg::BuildWindow() {
    titleFont_.Reset(CreateFontW(13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH, L"Tahoma"));
    {
        WindowDc dc(m_hWnd);
        background_.Create(dc.Get(), client_.right, client_.bottom);
    }
    SkinStretcher().PaintSkin(background_, IDB_BACKGROUND);
    HDC background = background_.Dc();

    const SkinTextStyle titleStyle{UiTexts().Lookup(L"IDS_STRING101"), RGB(214, 223, 233), kWhite, kWhite, 13, 0};
    title_.CreateChild(m_hWnd, IDC_TITLE, Rect(11, 7, 411, 27));
    title_.SetSkin(0, titleFont_.Get(), background, &titleStyle);

    struct Tab {
        CRButton& button;
        UINT id;
        RECT rect;
        const wchar_t* key;
        UINT firstImage;
    };
    const Tab tabs[] = {
        {cardTab_, IDC_TAB_CARD, Rect(11, 48, 151, 85), L"IDS_STRING105", IDB_TAB_CARD_NORMAL},
        {recordTab_, IDC_TAB_RECORD, Rect(151, 48, 291, 85), L"IDS_STRING228", IDB_TAB_RECORD_NORMAL},
        {systemTab_, IDC_TAB_SYSTEM, Rect(291, 48, 431, 85), L"IDS_STRING213", IDB_TAB_SYSTEM_NORMAL},
    };
    for (const Tab& tab : tabs) {
        const COLORREF blue = RGB(119, 148, 177);
        const SkinTextStyle style{UiTexts().Lookup(tab.key), blue, blue, kWhite, 13, 1};
        tab.button.CreateChild(m_hWnd, tab.id, tab.rect);
        tab.button.SetSkin(tab.firstImage, tab.firstImage + 1, tab.firstImage + 2, background, &style);
        tab.button.SetSelectedImage(tab.firstImage + 3);
        tab.button.SetSelected(&tab.button == &cardTab_);
    }

    minimise_.CreateChild(m_hWnd, IDC_MINIMISE, Rect(648, 0, 677, 26));
    minimise_.SetImages(IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED, background);
    close_.CreateChild(m_hWnd, IDC_CLOSE, Rect(677, 0, 706, 26));
    close_.SetImages(IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED, background);

    struct Command {
        CRButton& button;
        UINT id;
        RECT rect;
        const wchar_t* key;
    };
    const Command commands[] = {
        {initialize_, IDC_INITIALIZE, Rect(8, 546, 229, 575), L"IDS_STRING106"},
        {cancel_, IDC_CANCEL, Rect(510, 546, 610, 575), L"IDS_STRING107"},
        {save_, IDC_SAVE, Rect(614, 546, 714, 575), L"IDS_STRING108"},
    };
    for (const Command& command : commands) {
        const SkinTextStyle style{UiTexts().Lookup(command.key), RGB(176, 187, 200), kWhite, kWhite, 13, 1};
        command.button.CreateChild(m_hWnd, command.id, command.rect);
        command.button.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, background, &style);
    }

    // The memory card page first, shown; the others hidden until their tab is chosen.
    auto place = [&](CBaseDialog& page, bool shown) {
        page.Create();
        SetWindowPos(page.m_hWnd, nullptr, kPageArea.left, kPageArea.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    };
    const std::wstring cardRoot = cardRoot_;
    etcPage_ = std::make_unique<CEtcDlg>(m_hWnd, store_, Texts(), [cardRoot](HWND page) {
        RunFormatCommand(page, cardRoot, [](const std::wstring& key) { return UiTexts().Lookup(key); });
    });
    place(*etcPage_, true);
    parkingPage_ = std::make_unique<CParkingDlg>(m_hWnd, store_, Texts());
    place(*parkingPage_, false);
    systemPage_ = std::make_unique<CSystemDlg>(m_hWnd, store_, Texts(), services_, zoneDatabase_, cardRoot_);
    place(*systemPage_, false);
}

void CSettingDlg::RefreshPages() {
    if (parkingPage_) parkingPage_->RefreshFromRecord();
    if (etcPage_) etcPage_->RefreshFromRecord();
    if (systemPage_) systemPage_->RefreshFromRecord();
}

void CSettingDlg::ReleasePages() {
    etcPage_.reset();
    parkingPage_.reset();
    systemPage_.reset();
}

void CSettingDlg::ShowPage(UINT tabId) {
    // Record settings, memory card, system settings, in this order: the chosen page is
    // shown before the pages after it are hidden.
    struct Entry {
        UINT id;
        CRButton& tab;
        CBaseDialog* page;
    };
    const Entry entries[] = {{IDC_TAB_RECORD, recordTab_, parkingPage_.get()},
                             {IDC_TAB_CARD, cardTab_, etcPage_.get()},
                             {IDC_TAB_SYSTEM, systemTab_, systemPage_.get()}};
    for (const Entry& entry : entries) {
        const bool chosen = entry.id == tabId;
        entry.tab.SetSelected(chosen);
        if (entry.page) ShowWindow(entry.page->m_hWnd, chosen ? SW_SHOW : SW_HIDE);
    }
}

LRESULT CSettingDlg::QueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(icon_);
}

LRESULT CSettingDlg::Paint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (IsIconic(m_hWnd)) {
        SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        RECT r{};
        GetClientRect(m_hWnd, &r);
        const int size = GetSystemMetrics(SM_CXICON);
        DrawIcon(dc, (r.right - size + 1) / 2, (r.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, icon_);
    } else if (initialised_) {
        // The background is composed once; every later repaint is one block copy.
        if (redraw_) {
            composed_.Release();
            composed_.Create(dc, client_.right, client_.bottom);
            BitBlt(composed_.Dc(), 0, 0, client_.right, client_.bottom, background_.Dc(), 0, 0, SRCCOPY);
            FillRect(composed_.Dc(), &kPageArea, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            redraw_ = false;
        }
        BitBlt(dc, 0, 0, client_.right, client_.bottom, composed_.Dc(), 0, 0, SRCCOPY);
    }
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CSettingDlg::MouseMove(WPARAM wParam, LPARAM lParam) {
    // Dragging anywhere on the window's own surface (the title label forwards its mouse
    // messages here) moves the window, as a caption would.
    if (wParam & MK_LBUTTON) PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
    return 0;
}

void CSettingDlg::Minimise() {
    ShowWindow(m_hWnd, SW_MINIMIZE);
}

void CSettingDlg::Initialize() {
    store_.RestoreDefaults(cardRoot_);
    RefreshPages();
}

void CSettingDlg::Save() {
    if (cardRoot_.empty()) return;
    store_.Save(cardRoot_ + L"setup.cfg");
    ClockFile(services_.files, services_.timeZone).Write(cardRoot_ + L"time.dat");
    Close();
}

void CSettingDlg::Close() {
    ReleasePages();
    store_.Release();
    SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
}
