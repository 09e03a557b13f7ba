#include "controls/base_dialog.h"

#include "controls/scroll_math.h"

namespace {

HFONT MakeTahoma(int height, int weight) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH, L"Tahoma");
}

std::wstring Trim(const std::wstring& text) {
    auto first = text.find_first_not_of(L" \t\r\n\v\f");
    if (first == std::wstring::npos) return {};
    auto last = text.find_last_not_of(L" \t\r\n\v\f");
    return text.substr(first, last - first + 1);
}

ScrollCode CodeOf(WORD code) {
    switch (code) {
        case SB_LINEUP:
            return ScrollCode::LineUp;
        case SB_LINEDOWN:
            return ScrollCode::LineDown;
        case SB_PAGEUP:
            return ScrollCode::PageUp;
        case SB_PAGEDOWN:
            return ScrollCode::PageDown;
        case SB_THUMBPOSITION:
            return ScrollCode::ThumbPosition;
        case SB_THUMBTRACK:
            return ScrollCode::ThumbTrack;
        default:
            return ScrollCode::Other;
    }
}

}  // namespace

CBaseDialog::CBaseDialog(UINT templateId, HWND parent)
    : CDialog(templateId), m_bkBrush(CreateSolidBrush(RGB(254, 254, 254))), parent_(parent) {}

CBaseDialog::~CBaseDialog() {
    DestroyWindow();
    DeleteObject(m_bkBrush);
    for (HFONT font : {m_titleFont, m_boldFont, m_normalFont})
        if (font) DeleteObject(font);
}

const MessageMap<CBaseDialog>& CBaseDialog::Messages() {
    static const MessageMap<CBaseDialog> map{
        OnMessage(WM_VSCROLL, &CBaseDialog::VScroll),
        OnMessage(WM_MOUSEWHEEL, &CBaseDialog::MouseWheel),
    };
    return map;
}

bool CBaseDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLOREDIT:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            result = reinterpret_cast<LRESULT>(m_bkBrush);
            return true;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:  // statics and read-only edits
            result = reinterpret_cast<LRESULT>(m_bkBrush);
            return true;
        default:
            return Messages().Dispatch(*this, message, wParam, lParam, result) ||
                   CDialog::HandleMessage(message, wParam, lParam, result);
    }
}

bool CBaseDialog::PreTranslateMessage(MSG& msg) {
    // Enter must never close a page or press a button on it.
    return msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN;
}

void CBaseDialog::InitScrolling() {
    m_scrollPos = 0;
    SetWindowPos(m_hWnd, nullptr, 0, 0, kViewWidth, kViewHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                    0,
                    m_scrollMax + kViewHeight,
                    kViewHeight,
                    0,
                    0};
    SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
}

void CBaseDialog::ScrollBy(int delta) {
    m_scrollPos += delta;
    SetScrollPos(m_hWnd, SB_VERT, m_scrollPos, TRUE);
    ScrollWindowEx(m_hWnd, 0, -delta, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

LRESULT CBaseDialog::VScroll(WPARAM wParam, LPARAM) {
    SCROLLINFO info{sizeof info, SIF_PAGE, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hWnd, SB_VERT, &info);
    const auto delta = ScrollDelta({m_scrollPos, m_scrollMax, m_scrollStep, static_cast<int>(info.nPage)},
                                   CodeOf(LOWORD(wParam)), static_cast<short>(HIWORD(wParam)));
    if (delta) ScrollBy(*delta);
    return 0;
}

LRESULT CBaseDialog::MouseWheel(WPARAM wParam, LPARAM) {
    ScrollBy(WheelDelta({m_scrollPos, m_scrollMax, m_scrollStep, kViewHeight}, GET_WHEEL_DELTA_WPARAM(wParam)));
    return 0;
}

void CBaseDialog::CreatePageFonts() {
    m_titleFont = MakeTahoma(14, FW_BOLD);
    m_boldFont = MakeTahoma(13, FW_BOLD);
    m_normalFont = MakeTahoma(13, FW_NORMAL);
}

Size CBaseDialog::MoveItem(int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(m_hWnd, id), x, y, width, height, TRUE);
    return {width, height};
}

int CBaseDialog::MeasureTextWidth(const std::wstring& text, HFONT font) const {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT);
    SelectObject(dc, old);
    DeleteDC(dc);
    return r.right - r.left;
}

void CBaseDialog::PlaceText(int id, HFONT font, const std::wstring* newText, const std::wstring& measured, int x, int y,
                            int width, int height, bool autoWidth, bool addSpaces) {
    HWND item = GetDlgItem(m_hWnd, id);
    if (!item) return;
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (newText) SetWindowTextW(item, newText->c_str());
    if (autoWidth) {
        const int textWidth = MeasureTextWidth(measured, font);
        width = addSpaces ? AutoItemWidth(textWidth, MeasureTextWidth(L" ", font), measured.empty()) : textWidth;
    }
    MoveWindow(item, x, y, width, height, TRUE);
}

void CBaseDialog::PlaceItem(int id, HFONT font, const std::wstring& text, int x, int y, int width, int height,
                            bool autoWidth) {
    PlaceText(id, font, &text, text, x, y, width, height, autoWidth, true);
}

void CBaseDialog::FitItemToText(int id, HFONT font, const std::wstring& text, int x, int y, int width, int height,
                                bool autoWidth) {
    PlaceText(id, font, nullptr, text, x, y, width, height, autoWidth, false);
}

Size CBaseDialog::PlaceOptionLabel(int id, const std::wstring& text, HFONT font, int x, int y) {
    HWND item = GetDlgItem(m_hWnd, id);
    const std::wstring trimmed = Trim(text);
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetWindowTextW(item, trimmed.c_str());
    // The height comes from the control's default font, as the box beside the text does.
    HDC dc = GetDC(item);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{};
    DrawTextW(dc, trimmed.c_str(), static_cast<int>(trimmed.size()), &r, DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(item, dc);
    const Size size = OptionLabelSize(MeasureTextWidth(trimmed, font), trimmed.empty() ? 0 : r.bottom - r.top);
    MoveWindow(item, x, y, size.width, size.height, TRUE);
    return size;
}

void CBaseDialog::PaintSectionRules(HDC dc) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(163, 181, 198));
    HGDIOBJ old = SelectObject(dc, pen);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    for (int id : m_sectionTitleIds) {
        HWND title = GetDlgItem(m_hWnd, id);
        RECT titleClient{};
        if (!title || !IsWindowVisible(title) || !GetClientRect(title, &titleClient) || titleClient.right == 0)
            continue;
        RECT r{};
        GetWindowRect(title, &r);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        const RuleLine rule = SectionRule(r.left, r.top, r.right, r.bottom, client.right);
        MoveToEx(dc, rule.x1, rule.y, nullptr);
        LineTo(dc, rule.x2, rule.y);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}
