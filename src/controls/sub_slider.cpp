#include "controls/sub_slider.h"

#include <commctrl.h>

#include "controls/slider_math.h"

void CSubSlider::SetTickLabels(const std::vector<std::wstring>& labels, unsigned flags) {
    labels_.insert(labels_.end(), labels.begin(), labels.end());
    labelFlags_ = flags;
}

void CSubSlider::SetRange(int minimum, int maximum, bool redraw) {
    SendMessageW(m_hWnd, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(m_hWnd, TBM_SETRANGEMAX, redraw, maximum);
}

void CSubSlider::SetTicFreq(int frequency) {
    SendMessageW(m_hWnd, TBM_SETTICFREQ, frequency, 0);
}

void CSubSlider::SetPos(int position) {
    SendMessageW(m_hWnd, TBM_SETPOS, TRUE, position);
}

int CSubSlider::GetPos() const {
    return static_cast<int>(SendMessageW(m_hWnd, TBM_GETPOS, 0, 0));
}

bool CSubSlider::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code != TTN_GETDISPINFOW || header->idFrom != 0) return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    const std::wstring text = SliderValueText(valueMode_, GetPos());
    lstrcpynW(info->szText, text.c_str(), static_cast<int>(std::size(info->szText)));
    info->lpszText = info->szText;
    result = 0;
    return true;
}

bool CSubSlider::OnReflectedNotify(NMHDR* header, LRESULT& result) {
    if (header->code != NM_CUSTOMDRAW) return false;
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    switch (draw->dwDrawStage) {
        case CDDS_PREPAINT:
            result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
            break;
        case CDDS_POSTPAINT:
            DrawTickLabels(draw->hdc);
            result = CDRF_SKIPDEFAULT;
            break;
        default:  // item stages and the erase stages: default drawing
            result = CDRF_DODEFAULT;
            break;
    }
    return true;
}

void CSubSlider::DrawTickLabels(HDC dc) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int saved = SaveDC(dc);
    HGDIOBJ oldFont = labelFont_ ? SelectObject(dc, labelFont_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    for (const TickLabelSpot& spot :
         TickLabelSpots(client.left, client.right, static_cast<int>(labels_.size()), labelFlags_)) {
        const std::wstring& label = labels_[spot.index];
        RECT measured{};
        DrawTextW(dc, label.c_str(), -1, &measured, DT_CALCRECT);
        const LabelRect r =
            TickLabelRect(spot.centre, measured.right - measured.left, measured.bottom - measured.top, client.bottom);
        RECT target{r.left, r.top, r.right, r.bottom};
        DrawTextW(dc, label.c_str(), -1, &target, 0);
    }
    if (oldFont) SelectObject(dc, oldFont);
    RestoreDC(dc, saved);
}
