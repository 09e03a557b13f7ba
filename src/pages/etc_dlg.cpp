#include "pages/etc_dlg.h"

#include <algorithm>

#include "controls/skin.h"
#include "pages/etc_rules.h"
#include "resource.h"

namespace {

constexpr UINT kFirstBarImage = 175;  // green, yellow, orange, red, blue
constexpr int kBarHeight = 15, kBarSpacing = 30;

struct OverwriteBox {
    int id;
    Field field;
    const wchar_t* key;
};
constexpr OverwriteBox kOverwrite[] = {
    {IDC_ETC_OVERWRITE_FIRST, Field::EventRecording, L"IDS_STRING147"},
    {IDC_ETC_OVERWRITE_FIRST + 1, Field::MotionDetection, L"IDS_STRING148"},
    {IDC_ETC_OVERWRITE_FIRST + 2, Field::EventRecordingPark, L"IDS_STRING149"},
    {IDC_ETC_OVERWRITE_FIRST + 3, Field::ManualRecording, L"IDS_STRING150"},
};

RECT PageRect(HWND page, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(page, id), &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

CEtcDlg::CEtcDlg(HWND parent, ConfigStore& store, TextLookup texts, FormatCommand format)
    : CSettingsPage(IDD_ETC, parent, IDC_ETC_FOCUS),
      store_(store),
      texts_(std::move(texts)),
      format_(std::move(format)) {
    m_scrollMax = 100;
    m_scrollStep = 100;
}

const MessageMap<CEtcDlg>& CEtcDlg::Messages() {
    static const MessageMap<CEtcDlg> map{
        OnMessage(WM_PAINT, &CEtcDlg::Paint),
        OnCommand(IDC_FORMAT, &CEtcDlg::FormatClicked),
        OnCommandRange(IDC_ETC_OVERWRITE_FIRST, IDC_ETC_OVERWRITE_LAST, &CEtcDlg::OverwriteChanged),
        OnCommandRange(IDC_ETC_PARTITION_A, IDC_ETC_PARTITION_C, &CEtcDlg::PartitionChanged),
    };
    return map;
}

bool CEtcDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result) ||
           CSettingsPage::HandleMessage(message, wParam, lParam, result);
}

int CEtcDlg::PlaceLabel(int id, const wchar_t* key, HFONT font, int x, int y) {
    return PlaceOptionLabel(id, texts_(key), font, x, y).width;
}

void CEtcDlg::BuildControls() {
    m_sectionTitleIds.clear();
    PlaceLabel(IDC_ETC_PARTITION_TITLE, L"IDS_STRING156", m_titleFont, 15, 20);
    m_sectionTitleIds.push_back(IDC_ETC_PARTITION_TITLE);
    const int w1 = PlaceLabel(IDC_ETC_PARTITION_A, L"IDS_STRING157", m_normalFont, 25, 45);
    const int w2 = PlaceLabel(IDC_ETC_PARTITION_B, L"IDS_STRING158", m_normalFont, w1 + 55, 45);
    PlaceLabel(IDC_ETC_PARTITION_C, L"IDS_STRING159", m_normalFont, w1 + 55 + w2 + 100, 45);

    constexpr const wchar_t* kKinds[] = {L"IDS_STRING171", L"IDS_STRING172", L"IDS_STRING173", L"IDS_STRING174",
                                         L"IDS_STRING175"};
    int widest = 0;
    for (int i = 0; i < 5; ++i)
        widest = std::max(widest, PlaceLabel(IDC_ETC_KIND_FIRST + i, kKinds[i], m_normalFont, 25, 85 + 30 * i));
    // "000" only sizes the share texts; painting puts the percentages in.
    for (int i = 0; i < 5; ++i)
        PlaceOptionLabel(IDC_ETC_SHARE_FIRST + i, L"000", m_normalFont, widest + 50, 85 + 30 * i);

    PlaceLabel(IDC_ETC_FORMAT_TITLE, L"IDS_STRING160", m_titleFont, 15, 245);
    m_sectionTitleIds.push_back(IDC_ETC_FORMAT_TITLE);
    const std::wstring format = texts_(L"IDS_STRING161");
    HWND button = GetDlgItem(m_hWnd, IDC_FORMAT);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_normalFont), TRUE);
    SetWindowTextW(button, format.c_str());
    MoveWindow(button, 25, 284, 6 * static_cast<int>(format.size()) + 40, 30, TRUE);

    PlaceLabel(IDC_ETC_OVERWRITE_TITLE, L"IDS_STRING145", m_titleFont, 15, 334);
    m_sectionTitleIds.push_back(IDC_ETC_OVERWRITE_TITLE);
    PlaceLabel(IDC_ETC_CONTINUOUS, L"IDS_STRING166", m_normalFont, 25, 374);
    // Continuous recordings are always overwritten: shown, never changeable.
    CheckDlgButton(m_hWnd, IDC_ETC_CONTINUOUS, BST_CHECKED);
    EnableWindow(GetDlgItem(m_hWnd, IDC_ETC_CONTINUOUS), FALSE);
    for (int i = 0; i < 4; ++i) PlaceLabel(kOverwrite[i].id, kOverwrite[i].key, m_normalFont, 25, 399 + 25 * i);

    m_scrollMax = 67;
}

void CEtcDlg::RefreshFromRecord() {
    const ConfigRecord& record = *store_.Record();
    for (const OverwriteBox& box : kOverwrite)
        CheckDlgButton(m_hWnd, box.id, record.Get(box.field) != 0 ? BST_CHECKED : BST_UNCHECKED);
    const int partition = record.Get(Field::MemoryPartition);
    for (int i = 1; i <= 3; ++i)
        CheckDlgButton(m_hWnd, IDC_ETC_PARTITION_A + i - 1, partition == i ? BST_CHECKED : BST_UNCHECKED);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CEtcDlg::DrawPartitionShares(HDC dc) {
    const ShareRow& shares = PartitionShares(store_.Record()->Get(Field::MemoryPartition));
    const int x0 = PageRect(m_hWnd, IDC_ETC_SHARE_FIRST).right + 10;
    const int y0 = PageRect(m_hWnd, IDC_ETC_PARTITION_A).bottom + 21;
    SkinStretcher stretcher;
    for (int i = 0; i < 5; ++i) {
        const int width = ShareBarWidth(shares[i]);
        MemoryCanvas& bar = bars_[i];
        if (!bar.IsCreated() || bar.Width() != width) {
            bar.Release();
            if (width > 0 && bar.Create(dc, width, kBarHeight)) stretcher.PaintSkin(bar, kFirstBarImage + i);
        }
        if (bar.IsCreated()) BitBlt(dc, x0, y0 + kBarSpacing * i, width, kBarHeight, bar.Dc(), 0, 0, SRCCOPY);
        const std::wstring text = ShareText(shares[i]);
        wchar_t shown[32] = {};
        GetDlgItemTextW(m_hWnd, IDC_ETC_SHARE_FIRST + i, shown, 32);
        if (text != shown) SetDlgItemTextW(m_hWnd, IDC_ETC_SHARE_FIRST + i, text.c_str());
    }
}

LRESULT CEtcDlg::Paint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    PaintSectionRules(dc);
    DrawPartitionShares(dc);
    EndPaint(m_hWnd, &paint);
    return 0;
}

void CEtcDlg::FormatClicked() {
    if (format_) format_(m_hWnd);
}

void CEtcDlg::OverwriteChanged(UINT id) {
    for (const OverwriteBox& box : kOverwrite)
        if (box.id == static_cast<int>(id))
            store_.Record()->Set(box.field, IsDlgButtonChecked(m_hWnd, box.id) == BST_CHECKED ? 1 : 0);
}

void CEtcDlg::PartitionChanged(UINT id) {
    store_.Record()->Set(Field::MemoryPartition, static_cast<int>(id - IDC_ETC_PARTITION_A) + 1);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}
