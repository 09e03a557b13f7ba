#include "controls/rstatic_text.h"

const MessageMap<CRStaticText>& CRStaticText::Messages() {
    // clang-format off
    static const MessageMap<CRStaticText> map{
        OnMessage(WM_PAINT, &CRStaticText::OnPaint),
        OnMessage(WM_SIZE, &CRStaticText::OnSize),
        OnMessage(WM_MOUSEMOVE, &CRStaticText::OnMouseMove),
        OnMessage(WM_LBUTTONDOWN, &CRStaticText::OnLButtonDown),
        OnMessage(WM_LBUTTONUP, &CRStaticText::OnLButtonUp),
    };
    // clang-format on
    return map;
}

bool CRStaticText::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result);
}

void CRStaticText::SetSkin(UINT skinId, HFONT font, HDC background, const SkinTextStyle* style) {
    WindowDc dc(m_hWnd);
    GetClientRect(m_hWnd, &client_);
    const int width = client_.right, height = client_.bottom;
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_hWnd), reinterpret_cast<POINT*>(&window), 2);

    background_.Create(dc.Get(), width, height);
    if (background) BitBlt(background_.Dc(), 0, 0, width, height, background, window.left, window.top, SRCCOPY);
    if (style) {
        style_ = *style;
        font_ = font;
    }
    textBox_ = client_;
    if (skinId != 0) {
        MemoryCanvas skin;
        skin.Create(dc.Get(), width, height);
        SkinStretcher().PaintSkin(skin, skinId, &textBox_);
        BlendCanvas(background_.Dc(), 0, 0, skin);
    }
    redraw_ = true;
    Repaint();
}

LRESULT CRStaticText::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    if (BeginPaint(m_hWnd, &ps)) {
        Paint(ps.hdc);
        EndPaint(m_hWnd, &ps);
    }
    return 0;
}

// The text box and the background stay those of the last SetSkin.
LRESULT CRStaticText::OnSize(WPARAM wParam, LPARAM lParam) {
    DefaultProc(WM_SIZE, wParam, lParam);
    GetClientRect(m_hWnd, &client_);
    redraw_ = true;
    Repaint();
    return 0;
}

LRESULT CRStaticText::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    return Forward(WM_MOUSEMOVE, wParam, lParam);
}
LRESULT CRStaticText::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
    return Forward(WM_LBUTTONDOWN, wParam, lParam);
}
LRESULT CRStaticText::OnLButtonUp(WPARAM wParam, LPARAM lParam) {
    return Forward(WM_LBUTTONUP, wParam, lParam);
}

LRESULT CRStaticText::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageW(GetParent(m_hWnd), message, wParam, lParam);
    return DefaultProc(message, wParam, lParam);
}

void CRStaticText::Repaint() {
    WindowDc dc(m_hWnd);
    if (dc.Get()) Paint(dc.Get());
}

void CRStaticText::Paint(HDC target) {
    const int width = client_.right - client_.left, height = client_.bottom - client_.top;
    if (redraw_) {
        redraw_ = false;
        look_.Release();
    }
    if (!look_.IsCreated() && look_.Create(target, width, height)) {
        if (background_.IsCreated())
            BitBlt(look_.Dc(), 0, 0, background_.Width(), background_.Height(), background_.Dc(), 0, 0, SRCCOPY);
        BlendText(look_, style_.text, font_, textBox_, style_.normal, style_.alignment);
    }
    BitBlt(target, 0, 0, width, height, look_.Dc(), 0, 0, SRCCOPY);
}
