#pragma once
// The memory card page: partition type with its share bars, the overwrite options, and
// the Format command.

#include <array>
#include <functional>

#include "config/config_store.h"
#include "controls/base_dialog.h"
#include "controls/memory_canvas.h"
#include "pages/page_texts.h"

class CEtcDlg final : public CBaseDialog {
public:
    // format runs the card formatting with the page as the owner of its windows.
    using FormatCommand = std::function<void(HWND page)>;

    CEtcDlg(HWND parent, ConfigStore& store, TextLookup texts, FormatCommand format);

    void RefreshFromRecord();
    void DrawPartitionShares(HDC dc);
    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CEtcDlg>& Messages();
    void BuildControls();
    int PlaceLabel(int id, const wchar_t* key, HFONT font, int x, int y);

    LRESULT Paint(WPARAM, LPARAM);
    LRESULT ButtonDown(WPARAM, LPARAM);
    void FormatClicked();
    void OverwriteChanged(UINT id);
    void PartitionChanged(UINT id);

    ConfigStore& store_;
    TextLookup texts_;
    FormatCommand format_;
    std::array<MemoryCanvas, 5> bars_;  // the five kinds, rebuilt when their lengths change
};
