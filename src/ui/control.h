#pragma once
// A C++ object that takes over a control created by a dialog template (subclassing):
// its HandleMessage sees the control's messages first, the control's own procedure
// handles the rest. Notifications the control sends its parent come back to it through
// OnReflectedNotify (the parent dialog reflects them).

#include <windows.h>

#include "ui/window.h"

class CControl : public CWnd {
public:
    ~CControl() override;

    // Binds the object to the dialog's control with this id; false when there is none.
    bool SubclassDlgItem(HWND dialog, int id);
    void Unsubclass();

    // A notification the control sent its parent; true when the object answered it.
    virtual bool OnReflectedNotify(NMHDR* header, LRESULT& result);

protected:
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
};
