#pragma once
// The utility's only top-level window: start-up, the skinned frame with its tabs and
// commands, the three pages, Save, Cancel and Initialize.

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "app/app_services.h"
#include "config/config_store.h"
#include "controls/memory_canvas.h"
#include "controls/rbutton.h"
#include "controls/rstatic_text.h"
#include "pages/etc_dlg.h"
#include "pages/parking_dlg.h"
#include "pages/registry_time_zones.h"
#include "pages/system_dlg.h"
#include "ui/dialog.h"
#include "ui/gdi.h"

class CSettingDlg final : public CDialog {
public:
    static constexpr int kWidth = 722, kHeight = 587;
    static constexpr RECT kPageArea = {11, 85, 711, 522};

    CSettingDlg(AppServices& services, std::wstring cardRoot);
    ~CSettingDlg() override;

protected:
    BOOL OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CSettingDlg>& Messages();
    void BuildWindow();
    void RefreshPages();
    void ReleasePages();
    void Close();
    TextLookup Texts() const;

    LRESULT QueryDragIcon(WPARAM, LPARAM);
    LRESULT Paint(WPARAM, LPARAM);
    LRESULT MouseMove(WPARAM, LPARAM);
    void ShowPage(UINT tabId);
    void Minimise();
    void Initialize();
    void Save();

    AppServices& services_;
    const std::wstring cardRoot_;
    ConfigStore store_;
    HICON icon_;
    std::wstring moduleFolder_;
    std::wstring viewerLanguage_;
    RECT client_{};
    bool initialised_ = false;
    bool redraw_ = true;

    GdiFont titleFont_;
    MemoryCanvas background_;  // the skin stretched to the client area, painted once
    MemoryCanvas composed_;    // the finished background with the page area: what a repaint copies
    CRStaticText title_;
    CRButton cardTab_, recordTab_, systemTab_;
    CRButton minimise_, close_, initialize_, cancel_, save_;
    RegistryTimeZoneDatabase zoneDatabase_;
    std::unique_ptr<CEtcDlg> etcPage_;
    std::unique_ptr<CParkingDlg> parkingPage_;
    std::unique_ptr<CSystemDlg> systemPage_;
};
