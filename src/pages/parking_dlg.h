#pragma once
// The record settings page: impact sensitivities, brightness, parking mode with its
// confirmation, motion sensitivity, and when parking recording stops.

#include <array>

#include "config/config_store.h"
#include "controls/settings_page.h"
#include "controls/sub_slider.h"
#include "pages/page_texts.h"
#include "pages/parking_rules.h"

class CParkingDlg final : public CSettingsPage {
public:
    CParkingDlg(HWND parent, ConfigStore& store, TextLookup texts);

    void RefreshFromRecord();
    void UpdateParkingControls(bool enable);

protected:
    void AttachControls() override;
    void BuildControls() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CParkingDlg>& Messages();
    CSubSlider& Slider(ParkingSlider which) { return sliders_[static_cast<int>(which)]; }
    void EnableItem(int id, bool enable) { EnableWindow(GetDlgItem(m_hWnd, id), enable); }
    void CheckItem(int id, bool checked);
    int PlaceCaption(int id, const wchar_t* key, HFONT font, int x, int y);
    void PlaceTitle(int id, const wchar_t* key, int y);

    LRESULT Paint(WPARAM, LPARAM);
    LRESULT SliderMoved(WPARAM, LPARAM);
    void ParkingModeClicked(UINT id);
    void BatteryBoxClicked(UINT id);

    ConfigStore& store_;
    TextLookup texts_;
    std::array<CSubSlider, 7> sliders_;  // in ParkingSlider order
};
