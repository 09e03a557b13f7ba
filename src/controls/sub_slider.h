#pragma once
// A template trackbar with tick labels under it and a tooltip that shows the value a
// position stands for (hours, volts, levels) rather than the raw position.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"

class CSubSlider final : public CControl {
public:
    void SetValueMode(int mode) { valueMode_ = mode; }
    // Not owned: the page keeps its fonts.
    void SetLabelFont(HFONT font) { labelFont_ = font; }
    // Appends to the labels already given.
    void SetTickLabels(const std::vector<std::wstring>& labels, unsigned flags);

    void SetRange(int minimum, int maximum, bool redraw);
    void SetTicFreq(int frequency);
    void SetPos(int position);
    int GetPos() const;

    bool OnReflectedNotify(NMHDR* header, LRESULT& result) override;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DrawTickLabels(HDC dc);

    int valueMode_ = 0;
    HFONT labelFont_ = nullptr;
    unsigned labelFlags_ = 0;
    std::vector<std::wstring> labels_;
};
