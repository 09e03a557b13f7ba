#pragma once
// The skinned button: tabs, command buttons and title-bar buttons. It draws itself from one
// image per state composited with per-pixel alpha over a copy of the parent's background,
// with an optional caption, and posts WM_COMMAND with its id to its parent when clicked.
// It never selects itself: the owner makes one tab of a strip the selected one.

#include <windows.h>

#include "controls/button_state.h"
#include "controls/memory_canvas.h"
#include "controls/skin.h"
#include "ui/window.h"

class CRButton final : public CWnd {
public:
    // State images drawn at their natural size, no caption (the title-bar buttons, whose
    // images are the button's size). background is a drawing context with the parent's
    // background in the parent's client coordinates, or null.
    void SetImages(UINT normalId, UINT hoverId, UINT pressedId, HDC background, UINT disabledId = 0);
    // State images stretched to the button from marked skin images; with a style, also the
    // caption, placed in the content box of the normal image.
    void SetSkin(UINT normalId, UINT hoverId, UINT pressedId, HDC background, const SkinTextStyle* style,
                 UINT disabledId = 0);
    // The selected look of a tab, stretched to the button.
    void SetSelectedImage(UINT selectedId);
    void SetSelected(bool selected);

    ButtonState State() const { return state_; }
    bool IsSelected() const { return selectedFlag_; }
    const RECT& TextBox() const { return textBox_; }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CRButton>& Messages();
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);

    void Apply(ButtonEvent event);
    SIZE ClientSize() const;
    void SnapshotBackground(HDC background, HDC reference, SIZE size);
    const MemoryCanvas& ImageOf(ButtonState state) const;
    void Repaint();
    void Paint(HDC target);

    // The look of the current state: the background snapshot with the state image blended
    // over it, composed again only after the state changed. The caption is drawn on top at
    // every paint.
    MemoryCanvas look_;
    MemoryCanvas background_;
    MemoryCanvas normal_, hover_, pressed_, disabled_, selected_;
    bool redraw_ = true;
    ButtonState state_ = ButtonState::Normal;
    bool hasText_ = false;
    SkinTextStyle style_;
    GdiFont font_;
    bool selectedFlag_ = false;
    bool hasBackground_ = false;
    RECT textBox_{};
};
