#pragma once
// What the three settings pages do alike around their own controls: the start-up
// sequence, Escape swallowed, and a click on the page's background taking the keyboard
// focus away from its controls.

#include "controls/base_dialog.h"

class CSettingsPage : public CBaseDialog {
public:
    // focusTarget: the page's hidden push button that takes the focus on a background click.
    CSettingsPage(UINT templateId, HWND parent, int focusTarget)
        : CBaseDialog(templateId, parent), focusTarget_(focusTarget) {}

    bool PreTranslateMessage(MSG& msg) override;

protected:
    // Binds control objects to the template's controls (the data exchange).
    virtual void AttachControls() {}
    // Captions, fonts and places every control once; leaves m_scrollMax set.
    virtual void BuildControls() = 0;

    BOOL OnInitDialog() final;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int focusTarget_;
};
