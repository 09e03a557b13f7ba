#pragma once
// The skinned text label: one anti-aliased text over a copy of the parent's background,
// optionally on a stretched skin image. It passes mouse moves and left-button presses on to
// its parent, so the parent treats the label's area as its own (the main window is dragged
// by its title).

#include <windows.h>

#include "controls/memory_canvas.h"
#include "controls/skin.h"
#include "ui/window.h"

class CRStaticText final : public CWnd {
public:
    // Builds the label's look and repaints it at once. skinId 0 means no skin image (the
    // text box is then the whole label); font belongs to the caller and must outlive the
    // label; background is a drawing context with the parent's background in the parent's
    // client coordinates, or null (the text then lies on black); without a style the label
    // shows nothing but its background.
    void SetSkin(UINT skinId, HFONT font, HDC background, const SkinTextStyle* style);

    const RECT& TextBox() const { return textBox_; }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CRStaticText>& Messages();
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);

    // Sends the message on to the parent with the same parameters (label-relative
    // coordinates), then gives it the default handling.
    LRESULT Forward(UINT message, WPARAM wParam, LPARAM lParam);
    void Repaint();
    void Paint(HDC target);

    MemoryCanvas look_;        // background canvas with the text; composed again after a change
    MemoryCanvas background_;  // the parent's background under the label, skin blended over it
    bool redraw_ = true;
    RECT client_{};
    RECT textBox_{};
    HFONT font_ = nullptr;
    SkinTextStyle style_;
};
