#pragma once
// The common base of the three settings pages: background and control colours, Enter
// swallowed, vertical scrolling, the page fonts, layout helpers and section rules.

#include <windows.h>

#include <string>
#include <vector>

#include "controls/page_layout.h"
#include "ui/dialog.h"

class CBaseDialog : public CDialog {
public:
    static constexpr int kViewWidth = 700, kViewHeight = 437;

    CBaseDialog(UINT templateId, HWND parent);
    ~CBaseDialog() override;

    // Creates the page as a child of its parent window.
    bool Create() { return CDialog::Create(parent_); }
    bool PreTranslateMessage(MSG& msg) override;

    int ScrollPos() const { return m_scrollPos; }
    int ScrollMax() const { return m_scrollMax; }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Sizes the page to its viewport and resets the scroll bar; pages call it from
    // OnInitDialog once m_scrollMax is set.
    void InitScrolling();
    void CreatePageFonts();
    Size MoveItem(int id, int x, int y, int width, int height);
    int MeasureTextWidth(const std::wstring& text, HFONT font) const;
    void PlaceItem(int id, HFONT font, const std::wstring& text, int x, int y, int width, int height, bool autoWidth);
    void FitItemToText(int id, HFONT font, const std::wstring& text, int x, int y, int width, int height,
                       bool autoWidth);
    Size PlaceOptionLabel(int id, const std::wstring& text, HFONT font, int x, int y);
    void PaintSectionRules(HDC dc);

    COLORREF m_bkColor = RGB(254, 254, 254);
    HBRUSH m_bkBrush;
    int m_scrollPos = 0;
    int m_scrollMax = 0;
    int m_scrollStep = 0;
    std::vector<int> m_sectionTitleIds;
    HFONT m_titleFont = nullptr;
    HFONT m_boldFont = nullptr;
    HFONT m_normalFont = nullptr;

private:
    static const MessageMap<CBaseDialog>& Messages();
    void ScrollBy(int delta);
    LRESULT VScroll(WPARAM wParam, LPARAM lParam);
    LRESULT MouseWheel(WPARAM wParam, LPARAM lParam);
    void PlaceText(int id, HFONT font, const std::wstring* newText, const std::wstring& measured, int x, int y,
                   int width, int height, bool autoWidth, bool addSpaces);

    HWND parent_;
};
