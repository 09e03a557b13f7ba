#pragma once
// The yes/no question and the progress display of the settings pages.

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "ui/dialog.h"

// Common to both popups: title, text and outer size chosen by the caller, white background.
class CPopupDlg : public CDialog {
public:
    explicit CPopupDlg(UINT templateId);
    ~CPopupDlg() override;

    void SetContent(const std::wstring& title, const std::wstring& text, int width, int height);

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void ApplyContent(int textId);

    std::wstring title_, text_;
    int width_ = 0, height_ = 0;
    HBRUSH white_;
};

// Ends with 1 for Yes (button, Enter or the Y key) and 2 for No (button, N key, close box).
class CMsgPopupDlg final : public CPopupDlg {
public:
    CMsgPopupDlg();
    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;
};

// Stays up while a worker runs; the worker reports progress and closes it.
class CProgPopupDlg final : public CPopupDlg {
public:
    CProgPopupDlg();

    // Runs the popup modally; onShown runs once its window and bar are ready (start the
    // worker there, so that no update can reach a window that does not exist yet).
    INT_PTR DoModal(HWND owner, std::function<void()> onShown);
    int GetProgress() const { return progress_; }
    // Safe from any thread: the bar is updated by a message handled on the GUI thread.
    void SetProgress(int position);
    // From the worker: ends the popup with 2.
    void Close();
    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;

private:
    std::atomic<int> progress_{0};
    std::atomic<HWND> bar_{nullptr};
    std::atomic<HWND> window_{nullptr};
    std::function<void()> onShown_;
};
