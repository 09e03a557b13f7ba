#pragma once
// The system settings page: camera language, voice guidance, LCD, security LED, time
// zone, the camera clock, daylight saving, speed unit and stamp, road-safety voice.

#include <string>

#include "app/app_services.h"
#include "config/config_store.h"
#include "controls/settings_page.h"
#include "controls/sub_slider.h"
#include "pages/page_texts.h"
#include "pages/time_zone_list.h"

class CSystemDlg final : public CSettingsPage {
public:
    // The zone list is read from zones here, once.
    CSystemDlg(HWND parent, ConfigStore& store, TextLookup texts, AppServices& services, const TimeZoneDatabase& zones,
               std::wstring cardRoot);

    int SelectedZoneIndex = -1;

    void RefreshFromRecord();

protected:
    void AttachControls() override;
    void BuildControls() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CSystemDlg>& Messages();
    int PlaceLabel(int id, const wchar_t* key, int x, int y);
    void PlaceTitle(int id, const wchar_t* key, int y);
    void Check(int id, bool checked);
    void EnableClockControls(bool enable);
    void FillLanguageList();
    void FillZoneList();
    void ZoneChanged();

    LRESULT Paint(WPARAM, LPARAM);
    LRESULT SliderMoved(WPARAM, LPARAM);
    void OptionClicked(UINT id);
    void LanguageChanged();
    void ClockToggled();
    LRESULT TimeChanged(NMHDR*);
    LRESULT DateChanged(NMHDR*);
    void TakeCurrentTime();
    void ResetTouchCalibration();

    ConfigStore& store_;
    TextLookup texts_;
    AppServices& services_;
    CTimeZoneInfoManager zones_;
    const std::wstring cardRoot_;
    CSubSlider voiceSlider_;
};
