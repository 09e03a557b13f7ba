#pragma once
// The utility's only top-level window: start-up, the pages, Save, Cancel and Initialize.

#include <windows.h>

#include <string>

#include "app/app_services.h"
#include "config/config_store.h"
#include "ui/dialog.h"

class CSettingDlg final : public CDialog {
public:
    static constexpr int kWidth = 722, kHeight = 587;

    CSettingDlg(AppServices& services, std::wstring cardRoot);

    ConfigStore& Store() { return store_; }
    const std::wstring& ModuleFolder() const { return moduleFolder_; }
    const std::wstring& RelaunchPath() const { return relaunchPath_; }
    const std::wstring& ViewerLanguage() const { return viewerLanguage_; }
    bool Initialised() const { return initialised_; }

protected:
    BOOL OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<CSettingDlg>& Messages();
    LRESULT QueryDragIcon(WPARAM, LPARAM);

    AppServices& services_;
    const std::wstring cardRoot_;
    ConfigStore store_;
    HICON icon_;
    std::wstring moduleFolder_;
    std::wstring relaunchPath_;
    std::wstring viewerLanguage_;
    RECT client_{};
    bool initialised_ = false;
};
