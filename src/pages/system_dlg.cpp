#include "pages/system_dlg.h"

#include <commctrl.h>

#include "app/startup.h"
#include "config/clock_file.h"
#include "pages/system_rules.h"
#include "pages/time_zone_record.h"
#include "resource.h"

namespace {

constexpr wchar_t kZoneSample[] = L"123456789 123456789 123456789 123456789 123456789 123456789 123456789";

ClockTime FromSystemTime(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

SYSTEMTIME PickerTime(HWND picker) {
    SYSTEMTIME time{};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

}  // namespace

CSystemDlg::CSystemDlg(HWND parent, ConfigStore& store, TextLookup texts, AppServices& services,
                       const TimeZoneDatabase& zones, std::wstring cardRoot)
    : CSettingsPage(IDD_SYSTEM, parent, IDC_SYS_FOCUS),
      store_(store),
      texts_(std::move(texts)),
      services_(services),
      zones_(zones, services.timeZone, services.debug),
      cardRoot_(std::move(cardRoot)) {
    m_scrollMax = 250;
    m_scrollStep = 100;
}

const MessageMap<CSystemDlg>& CSystemDlg::Messages() {
    static const MessageMap<CSystemDlg> map{
        OnMessage(WM_PAINT, &CSystemDlg::Paint),
        OnMessage(WM_HSCROLL, &CSystemDlg::SliderMoved),
        OnCommandRange(IDC_SYS_LCD_30S, IDC_SYS_LCD_NEVER, &CSystemDlg::OptionClicked),
        OnCommandRange(IDC_SYS_LED_ON, IDC_SYS_LED_OFF, &CSystemDlg::OptionClicked),
        OnCommandRange(IDC_SYS_DST_ON, IDC_SYS_MPH, &CSystemDlg::OptionClicked),
        OnCommandRange(IDC_SYS_STAMP_ON, IDC_SYS_STAMP_OFF, &CSystemDlg::OptionClicked),
        OnCommandRange(IDC_SYS_WAYGUARD_ON, IDC_SYS_WAYGUARD_OFF, &CSystemDlg::OptionClicked),
        OnCommand(IDC_SYS_CLOCK, &CSystemDlg::ClockToggled),
        OnCommand(IDC_SYS_NOW, &CSystemDlg::TakeCurrentTime),
        OnCommand(IDC_SYS_TOUCH_RESET, &CSystemDlg::ResetTouchCalibration),
        OnNotify(IDC_SYS_TIME, DTN_DATETIMECHANGE, &CSystemDlg::TimeChanged),
        OnNotify(IDC_SYS_DATE, DTN_DATETIMECHANGE, &CSystemDlg::DateChanged),
    };
    return map;
}

bool CSystemDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDC_SYS_LANGUAGE || LOWORD(wParam) == IDC_SYS_ZONE)) {
        if (HIWORD(wParam) == CBN_SELCHANGE) LOWORD(wParam) == IDC_SYS_LANGUAGE ? LanguageChanged() : ZoneChanged();
        result = 0;
        return true;
    }
    return Messages().Dispatch(*this, message, wParam, lParam, result) ||
           CSettingsPage::HandleMessage(message, wParam, lParam, result);
}

void CSystemDlg::AttachControls() {
    voiceSlider_.SubclassDlgItem(m_hWnd, IDC_SYS_VOICE);
}

int CSystemDlg::PlaceLabel(int id, const wchar_t* key, int x, int y) {
    return PlaceOptionLabel(id, key ? texts_(key) : std::wstring(), m_normalFont, x, y).width;
}

void CSystemDlg::PlaceTitle(int id, const wchar_t* key, int y) {
    PlaceOptionLabel(id, texts_(key), m_titleFont, 15, y);
    m_sectionTitleIds.push_back(id);
}

void CSystemDlg::BuildControls() {
    m_sectionTitleIds.clear();
    PlaceTitle(IDC_SYS_LANGUAGE_TITLE, L"IDS_STRING193", 20);
    FitItemToText(IDC_SYS_LANGUAGE, m_normalFont, L"", 25, 45, 250, 25, false);

    PlaceTitle(IDC_SYS_VOICE_TITLE, L"IDS_STRING217", 85);
    MoveItem(IDC_SYS_VOICE, 150, 130, 350, 55);
    PlaceLabel(IDC_SYS_VOLUME, L"IDS_STRING117", 60, 172);
    voiceSlider_.SetLabelFont(m_normalFont);
    voiceSlider_.SetTickLabels({L"OFF", L"1", L"2", L"3"}, 0x10);
    voiceSlider_.SetRange(0, 3, false);
    voiceSlider_.SetPos(2);

    PlaceTitle(IDC_SYS_LCD_TITLE, L"IDS_STRING197", 212);
    MoveItem(IDC_SYS_BRIGHTNESS, 150, 257, 350, 55);
    PlaceLabel(IDC_SYS_DARK, L"IDS_STRING199", 75, 302);
    PlaceLabel(IDC_SYS_BRIGHT, L"IDS_STRING200", 500, 302);
    HWND brightness = GetDlgItem(m_hWnd, IDC_SYS_BRIGHTNESS);
    SendMessageW(brightness, TBM_SETRANGE, FALSE, MAKELPARAM(0, 2));
    SendMessageW(brightness, TBM_SETPOS, TRUE, 1);

    PlaceTitle(IDC_SYS_LCD_OFF_TITLE, L"IDS_STRING198", 342);
    PlaceLabel(IDC_SYS_LCD_30S, L"IDS_STRING201", 25, 372);
    PlaceLabel(IDC_SYS_LCD_10MIN, L"IDS_STRING202", 25, 402);
    PlaceLabel(IDC_SYS_LCD_NEVER, L"IDS_STRING116", 25, 432);

    PlaceTitle(IDC_SYS_LED_TITLE, L"IDS_STRING155", 472);
    PlaceLabel(IDC_SYS_LED_ON, L"IDS_STRING115", 25, 502);
    PlaceLabel(IDC_SYS_LED_OFF, L"IDS_STRING154", 25, 532);

    PlaceTitle(IDC_SYS_ZONE_TITLE, L"IDS_STRING185", 577);
    FitItemToText(IDC_SYS_ZONE, m_normalFont, kZoneSample, 25, 612, 0, 25, true);

    PlaceTitle(IDC_SYS_CLOCK_TITLE, L"IDS_STRING182", 652);
    const int x = PlaceLabel(IDC_SYS_CLOCK, nullptr, 25, 682) + 40;
    FitItemToText(IDC_SYS_DATE, m_normalFont, L"", x, 682, 90, 25, false);
    FitItemToText(IDC_SYS_TIME, m_normalFont, L"", x + 100, 682, 100, 25, false);
    SendDlgItemMessageW(m_hWnd, IDC_SYS_TIME, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"hh:mm:ss tt"));
    PlaceItem(IDC_SYS_NOW, m_normalFont, texts_(L"IDS_STRING184"), x + 210, 682, 0, 25, true);
    Check(IDC_SYS_CLOCK, ClockSettingEnabled != 0);
    EnableClockControls(ClockSettingEnabled != 0);

    PlaceTitle(IDC_SYS_DST_TITLE, L"IDS_STRING196", 727);
    PlaceLabel(IDC_SYS_DST_ON, L"IDS_STRING115", 25, 757);
    PlaceLabel(IDC_SYS_DST_OFF, L"IDS_STRING116", 25, 787);

    PlaceTitle(IDC_SYS_SPEED_TITLE, L"IDS_STRING190", 832);
    PlaceLabel(IDC_SYS_KMH, L"IDS_STRING191", 25, 862);
    PlaceLabel(IDC_SYS_MPH, L"IDS_STRING192", 125, 862);

    PlaceTitle(IDC_SYS_STAMP_TITLE, L"IDS_STRING309", 902);
    PlaceLabel(IDC_SYS_STAMP_ON, L"IDS_STRING115", 25, 942);
    PlaceLabel(IDC_SYS_STAMP_OFF, L"IDS_STRING116", 25, 967);

    PlaceTitle(IDC_SYS_WAYGUARD_TITLE, L"IDS_STRING119", 1007);
    PlaceLabel(IDC_SYS_WAYGUARD_ON, L"IDS_STRING115", 25, 1047);
    PlaceLabel(IDC_SYS_WAYGUARD_OFF, L"IDS_STRING116", 25, 1072);

    m_scrollMax = 665;
}

void CSystemDlg::Check(int id, bool checked) {
    SendDlgItemMessageW(m_hWnd, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CSystemDlg::EnableClockControls(bool enable) {
    for (int id : {IDC_SYS_TIME, IDC_SYS_DATE, IDC_SYS_NOW}) EnableWindow(GetDlgItem(m_hWnd, id), enable);
}

void CSystemDlg::FillLanguageList() {
    HWND list = GetDlgItem(m_hWnd, IDC_SYS_LANGUAGE);
    if (SendMessageW(list, CB_GETCOUNT, 0, 0) > 0) return;  // filled once: the pack never changes
    const LanguagePackInfo& pack = store_.LanguagePack();
    for (std::size_t i = 0; i < pack.PackCodes.size(); ++i) {
        // A code without a name shows itself, so entries stay in step with the codes.
        const std::wstring& entry = i < pack.PackLanguageNames.size() ? pack.PackLanguageNames[i] : pack.PackCodes[i];
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void CSystemDlg::FillZoneList() {
    HWND list = GetDlgItem(m_hWnd, IDC_SYS_ZONE);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < zones_.Count(); ++i)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(zones_.Zone(i).DisplayName.c_str()));
    // A record without a zone takes the PC's own here, before the user touches anything.
    SelectedZoneIndex = SelectRecordZone(zones_, *store_.Record(), services_.ansi, services_.debug);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(SelectedZoneIndex), 0);
}

void CSystemDlg::ZoneChanged() {
    const int index = static_cast<int>(SendDlgItemMessageW(m_hWnd, IDC_SYS_ZONE, CB_GETCURSEL, 0, 0));
    if (StorePickedZone(zones_, index, *store_.Record(), services_.ansi, services_.debug)) SelectedZoneIndex = index;
}

void CSystemDlg::RefreshFromRecord() {
    FillZoneList();
    const ConfigRecord& record = *store_.Record();
    voiceSlider_.SetPos(VoiceSliderPosition(record));

    ClockSettingEnabled = 0;
    Check(IDC_SYS_CLOCK, false);
    EnableClockControls(false);

    FillLanguageList();
    // An index outside the list selects nothing (said explicitly: not every list control clears it).
    const int language = record.Get(Field::LanguageIndex);
    const auto entries = static_cast<int>(SendDlgItemMessageW(m_hWnd, IDC_SYS_LANGUAGE, CB_GETCOUNT, 0, 0));
    SendDlgItemMessageW(m_hWnd, IDC_SYS_LANGUAGE, CB_SETCURSEL,
                        static_cast<WPARAM>(language >= 0 && language < entries ? language : -1), 0);

    SendDlgItemMessageW(m_hWnd, IDC_SYS_BRIGHTNESS, TBM_SETPOS, TRUE, record.Get(Field::LcdBrightness));
    // Every option button, hidden ones included, checked exactly when it stands for the record's value.
    const SystemOptionChecks checks = CheckedSystemOptions(record);
    for (const OptionValue& option : SystemOptionValues()) Check(option.id, checks.Has(option.id));
}

LRESULT CSystemDlg::Paint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    PaintSectionRules(dc);
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CSystemDlg::SliderMoved(WPARAM, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    ConfigRecord& record = *store_.Record();
    if (from == voiceSlider_.m_hWnd) StoreVoiceSliderPosition(record, voiceSlider_.GetPos());
    if (from == GetDlgItem(m_hWnd, IDC_SYS_BRIGHTNESS))
        record.Set(Field::LcdBrightness, static_cast<int>(SendMessageW(from, TBM_GETPOS, 0, 0)));
    return 0;
}

void CSystemDlg::OptionClicked(UINT id) {
    StoreSystemOption(*store_.Record(), static_cast<int>(id));
}

void CSystemDlg::LanguageChanged() {
    store_.Record()->Set(Field::LanguageIndex,
                         static_cast<int>(SendDlgItemMessageW(m_hWnd, IDC_SYS_LANGUAGE, CB_GETCURSEL, 0, 0)));
}

void CSystemDlg::ClockToggled() {
    ClockSettingEnabled = IsDlgButtonChecked(m_hWnd, IDC_SYS_CLOCK) == BST_CHECKED ? 1 : 0;
    EnableClockControls(ClockSettingEnabled != 0);
    if (ClockSettingEnabled == 0) return;
    ClockSetting = FromSystemTime(PickerTime(GetDlgItem(m_hWnd, IDC_SYS_TIME)));
    ClockSetting = FromSystemTime(PickerTime(GetDlgItem(m_hWnd, IDC_SYS_DATE)));
}

LRESULT CSystemDlg::TimeChanged(NMHDR*) {
    if (ClockSettingEnabled == 0) return 0;
    const SYSTEMTIME t = PickerTime(GetDlgItem(m_hWnd, IDC_SYS_TIME));
    ClockSetting.hour = t.wHour;
    ClockSetting.minute = t.wMinute;
    ClockSetting.second = t.wSecond;
    ClockSetting.milliseconds = t.wMilliseconds;
    return 0;
}

LRESULT CSystemDlg::DateChanged(NMHDR*) {
    if (ClockSettingEnabled == 0) return 0;
    const SYSTEMTIME t = PickerTime(GetDlgItem(m_hWnd, IDC_SYS_DATE));
    ClockSetting.year = t.wYear;
    ClockSetting.month = t.wMonth;
    ClockSetting.dayOfWeek = t.wDayOfWeek;
    ClockSetting.day = t.wDay;
    return 0;
}

void CSystemDlg::TakeCurrentTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    for (int id : {IDC_SYS_TIME, IDC_SYS_DATE})
        SendDlgItemMessageW(m_hWnd, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
    if (ClockSettingEnabled != 0) ClockSetting = FromSystemTime(PickerTime(GetDlgItem(m_hWnd, IDC_SYS_TIME)));
}

void CSystemDlg::ResetTouchCalibration() {
    // The camera looks for the marker at the root of the card, whatever folder the card is.
    const std::wstring marker = DriveRootOf(cardRoot_) + L"set_touch_cal.txt";
    const std::wstring title = texts_(L"IDS_STRING219");
    const std::wstring question = texts_(L"IDS_STRING220") + L"\n" + texts_(L"IDS_STRING2200");
    if (MessageBoxW(m_hWnd, question.c_str(), title.c_str(), MB_YESNO) != IDYES) return;
    MessageBoxW(m_hWnd, texts_(L"IDS_STRING221").c_str(), title.c_str(), MB_OK);
    if (auto file = services_.files.Open(marker, FileOpen::WriteTruncate)) file->Close();
}
