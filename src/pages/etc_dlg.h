#pragma once
// The memory card page: partition type with its share bars, the overwrite options, and
// the Format command.

#include <array>
#include <functional>

#include "config/config_store.h"
#include "controls/memory_canvas.h"
#include "controls/settings_page.h"
#include "pages/page_texts.h"

class CEtcDlg final : public CSettingsPage {
public:
    // format runs the card formatting with the page as the owner of its windows.
    using FormatCommand = std::function<void(HWND page)>;

    CEtcDlg(HWND parent, ConfigStore& store, TextLookup texts, FormatCommand format);

    void RefreshFromRecord();
    void DrawPartitionShares(HDC dc);

protected:
    void BuildControls() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CEtcDlg>& Messages();
    int PlaceLabel(int id, const wchar_t* key, HFONT font, int x, int y);

    LRESULT Paint(WPARAM, LPARAM);
    void FormatClicked();
    void OverwriteChanged(UINT id);
    void PartitionChanged(UINT id);

    ConfigStore& store_;
    TextLookup texts_;
    FormatCommand format_;
    std::array<MemoryCanvas, 5> bars_;  // the five kinds, rebuilt when their lengths change
};
