#pragma once
// Dialogs from templates, run modally by our own message loop (so every message first
// passes the PreTranslateMessage chain of the window it is for and that window's parents)
// or created modeless as child pages.

#include "ui/window.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}
    ~CDialog() override;

    // Creates the dialog, shows it once OnInitDialog has finished (unless it asked the
    // program to quit) and runs the modal loop. Returns the code given to EndDialog,
    // or -1 when the loop ended because the program is quitting.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog as a modeless child of parent (a page).
    bool Create(HWND parent);
    void EndDialog(INT_PTR result);
    void DestroyWindow();

    // Set when the modal loop saw WM_QUIT: the exit code it carried.
    static int QuitCode() { return quitCode_; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool PumpMessage(MSG& msg);

    UINT templateId_;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = -1;
    static inline int quitCode_ = 0;
};
