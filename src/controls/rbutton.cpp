#include "controls/rbutton.h"

#include "controls/text_layout.h"

const MessageMap<CRButton>& CRButton::Messages() {
    // clang-format off
    static const MessageMap<CRButton> map{
        OnMessage(WM_PAINT, &CRButton::OnPaint),
        OnMessage(WM_MOUSEMOVE, &CRButton::OnMouseMove),
        OnMessage(WM_MOUSELEAVE, &CRButton::OnMouseLeave),
        OnMessage(WM_LBUTTONDOWN, &CRButton::OnLButtonDown),
        OnMessage(WM_LBUTTONUP, &CRButton::OnLButtonUp),
        OnMessage(WM_ENABLE, &CRButton::OnEnable),
        OnMessage(WM_DESTROY, &CRButton::OnDestroy),
    };
    // clang-format on
    return map;
}

bool CRButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result);
}

SIZE CRButton::ClientSize() const {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    return {client.right, client.bottom};
}

void CRButton::SnapshotBackground(HDC background, HDC reference, SIZE size) {
    if (!background) return;
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_hWnd), reinterpret_cast<POINT*>(&window), 2);
    background_.Create(reference, size.cx, size.cy);
    BitBlt(background_.Dc(), 0, 0, size.cx, size.cy, background, window.left, window.top, SRCCOPY);
    hasBackground_ = true;
}

void CRButton::SetImages(UINT normalId, UINT hoverId, UINT pressedId, HDC background, UINT disabledId) {
    WindowDc dc(m_hWnd);
    const SIZE size = ClientSize();
    SnapshotBackground(background, dc.Get(), size);
    const std::pair<MemoryCanvas*, UINT> images[] = {
        {&normal_, normalId}, {&hover_, hoverId}, {&pressed_, pressedId}, {&disabled_, disabledId}};
    for (auto [canvas, id] : images) {
        if (id == 0) continue;
        canvas->Create(dc.Get(), size.cx, size.cy);
        DrawPngNatural(*canvas, id);
    }
    redraw_ = true;
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CRButton::SetSkin(UINT normalId, UINT hoverId, UINT pressedId, HDC background, const SkinTextStyle* style,
                       UINT disabledId) {
    WindowDc dc(m_hWnd);
    const SIZE size = ClientSize();
    SnapshotBackground(background, dc.Get(), size);
    if (style) {
        style_ = *style;
        font_ = CreateSkinFont(style_.fontHeight);
        hasText_ = true;
    }
    SkinStretcher stretcher;
    normal_.Create(dc.Get(), size.cx, size.cy);
    stretcher.PaintSkin(normal_, normalId, hasText_ ? &textBox_ : nullptr);
    const std::pair<MemoryCanvas*, UINT> images[] = {
        {&hover_, hoverId}, {&pressed_, pressedId}, {&disabled_, disabledId}};
    for (auto [canvas, id] : images) {
        if (id == 0) continue;
        canvas->Create(dc.Get(), size.cx, size.cy);
        stretcher.PaintSkin(*canvas, id);
    }
    redraw_ = true;
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CRButton::SetSelectedImage(UINT selectedId) {
    WindowDc dc(m_hWnd);
    const SIZE size = ClientSize();
    selected_.Create(dc.Get(), size.cx, size.cy);
    SkinStretcher().PaintSkin(selected_, selectedId);
    redraw_ = true;
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CRButton::SetSelected(bool selected) {
    Apply(selected ? ButtonEvent::Select : ButtonEvent::Deselect);
}

void CRButton::Apply(ButtonEvent event) {
    const ButtonStep step =
        NextButtonState(state_, event, {selectedFlag_, selected_.IsCreated(), disabled_.IsCreated()});
    selectedFlag_ = step.selected;
    for (ButtonEffect effect : step.effects) {
        switch (effect) {
            case ButtonEffect::TrackLeave: {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
                TrackMouseEvent(&track);
                break;
            }
            case ButtonEffect::PostClick:
                // Posted, so the owner's handler runs after the button has finished here.
                PostMessageW(GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(ControlId(), 0), 0);
                break;
            case ButtonEffect::Redraw:
                state_ = step.state;
                redraw_ = true;
                Repaint();
                break;
        }
    }
    state_ = step.state;
}

LRESULT CRButton::OnMouseMove(WPARAM, LPARAM) {
    Apply(ButtonEvent::MouseMove);
    return 0;
}

LRESULT CRButton::OnMouseLeave(WPARAM, LPARAM) {
    Apply(ButtonEvent::MouseLeave);
    return 0;
}

// No mouse capture: a press that leaves the button turns back to normal when the mouse leaves.
LRESULT CRButton::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
    Apply(ButtonEvent::LeftDown);
    return DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CRButton::OnLButtonUp(WPARAM wParam, LPARAM lParam) {
    Apply(ButtonEvent::LeftUp);
    return DefaultProc(WM_LBUTTONUP, wParam, lParam);
}

LRESULT CRButton::OnEnable(WPARAM enabled, LPARAM) {
    Apply(enabled ? ButtonEvent::Enable : ButtonEvent::Disable);
    return 0;
}

LRESULT CRButton::OnDestroy(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefaultProc(WM_DESTROY, wParam, lParam);
    for (MemoryCanvas* canvas : {&look_, &background_, &normal_, &hover_, &pressed_, &disabled_, &selected_})
        canvas->Release();
    return result;
}

const MemoryCanvas& CRButton::ImageOf(ButtonState state) const {
    switch (state) {
        case ButtonState::Hover:
            return hover_;
        case ButtonState::Pressed:
            return pressed_;
        case ButtonState::Selected:
            return selected_;
        case ButtonState::Disabled:
            return disabled_;
        case ButtonState::Normal:
            break;
    }
    return normal_;
}

LRESULT CRButton::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    if (BeginPaint(m_hWnd, &ps)) {
        Paint(ps.hdc);
        EndPaint(m_hWnd, &ps);
    }
    return 0;
}

void CRButton::Repaint() {
    WindowDc dc(m_hWnd);
    if (dc.Get()) Paint(dc.Get());
}

void CRButton::Paint(HDC target) {
    const SIZE size = ClientSize();
    if (redraw_) {
        redraw_ = false;
        look_.Release();
    }
    if (!look_.IsCreated() && look_.Create(target, size.cx, size.cy)) {
        if (hasBackground_) BitBlt(look_.Dc(), 0, 0, size.cx, size.cy, background_.Dc(), 0, 0, SRCCOPY);
        BlendCanvas(look_.Dc(), 0, 0, ImageOf(state_));
    }
    BitBlt(target, 0, 0, size.cx, size.cy, look_.Dc(), 0, 0, SRCCOPY);

    if (!hasText_) return;
    const COLORREF colour = state_ == ButtonState::Hover                                        ? style_.hover
                            : state_ == ButtonState::Pressed || state_ == ButtonState::Selected ? style_.pressed
                                                                                                : style_.normal;
    SetTextColor(target, colour);
    SetBkMode(target, TRANSPARENT);
    SelectedObject font(target, font_.Get());
    // Not clipped to the text box: a caption a little wider than its box (the first tab's,
    // in English) stays whole, spilling over the skin's edges rather than losing letters.
    const int length = static_cast<int>(style_.text.size());
    if (style_.alignment == static_cast<int>(TextAlign::TopLeft)) {
        RECT box = textBox_;
        DrawTextW(target, style_.text.c_str(), length, &box, DT_NOCLIP);
    } else if (style_.alignment == static_cast<int>(TextAlign::Centred)) {
        RECT box{textBox_.left, CentredTextTop(textBox_.top, textBox_.bottom, style_.fontHeight), textBox_.right,
                 textBox_.bottom};
        DrawTextW(target, style_.text.c_str(), length, &box, DT_CENTER | DT_NOCLIP);
    }
}
