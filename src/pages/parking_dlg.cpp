#include "pages/parking_dlg.h"

#include <commctrl.h>

#include "app/popups.h"
#include "controls/slider_math.h"
#include "resource.h"

namespace {

constexpr int kSliderWidth = 350;

struct SliderSetup {
    ParkingSlider which;
    int id;
};

// Template ids in ParkingSlider order.
constexpr SliderSetup kSliders[] = {
    {ParkingSlider::Impact, IDC_PARK_IMPACT},
    {ParkingSlider::Brightness, IDC_PARK_BRIGHTNESS},
    {ParkingSlider::ParkingImpact, IDC_PARK_PARKING_IMPACT},
    {ParkingSlider::Motion, IDC_PARK_MOTION},
    {ParkingSlider::Timer, IDC_PARK_TIMER},
    {ParkingSlider::Voltage12, IDC_PARK_VOLTAGE12},
    {ParkingSlider::Voltage24, IDC_PARK_VOLTAGE24},
};

const std::vector<std::wstring> kSensitivityLabels = {L"1", L"2", L"3", L"4", L"5"};
const std::vector<std::wstring> kVoltage12Labels = {L"11.6V", L"11.7V", L"11.8V", L"11.9V",
                                                    L"12.0V", L"12.1V", L"12.2V", L"12.3V "};
const std::vector<std::wstring> kVoltage24Labels = {L"23.2V", L"23.4V", L"23.6V", L"23.8V",
                                                    L"24.0V", L"24.2V", L"24.4V", L"24.6V "};

}  // namespace

CParkingDlg::CParkingDlg(HWND parent, ConfigStore& store, TextLookup texts)
    : CSettingsPage(IDD_PARKING, parent, IDC_PARK_FOCUS), store_(store), texts_(std::move(texts)) {
    m_scrollMax = 500;
    m_scrollStep = 80;
}

const MessageMap<CParkingDlg>& CParkingDlg::Messages() {
    static const MessageMap<CParkingDlg> map{
        OnMessage(WM_PAINT, &CParkingDlg::Paint),
        OnMessage(WM_HSCROLL, &CParkingDlg::SliderMoved),
        OnCommandRange(IDC_PARK_MODE_ON, IDC_PARK_MODE_OFF, &CParkingDlg::ParkingModeClicked),
        OnCommandRange(IDC_PARK_BATTERY_FIRST, IDC_PARK_BATTERY_LAST, &CParkingDlg::BatteryBoxClicked),
    };
    return map;
}

bool CParkingDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result) ||
           CSettingsPage::HandleMessage(message, wParam, lParam, result);
}

void CParkingDlg::AttachControls() {
    for (const SliderSetup& s : kSliders) Slider(s.which).SubclassDlgItem(m_hWnd, s.id);
}

int CParkingDlg::PlaceCaption(int id, const wchar_t* key, HFONT font, int x, int y) {
    return PlaceOptionLabel(id, texts_(key), font, x, y).width;
}

void CParkingDlg::PlaceTitle(int id, const wchar_t* key, int y) {
    PlaceCaption(id, key, m_titleFont, 15, y);
    m_sectionTitleIds.push_back(id);
}

void CParkingDlg::BuildControls() {
    m_sectionTitleIds.clear();
    auto sensitivity = [&](CSubSlider& slider) {
        slider.SetTickLabels(kSensitivityLabels, 0x09);
        slider.SetLabelFont(m_normalFont);
        slider.SetRange(1, 5, false);
        slider.SetTicFreq(1);
        slider.SetPos(3);
    };
    auto listed = [&](CSubSlider& slider, const std::vector<std::wstring>& labels, unsigned flags, int last, int mode) {
        slider.SetTickLabels(labels, flags);
        slider.SetLabelFont(m_normalFont);
        slider.SetRange(0, last, false);
        slider.SetTicFreq(1);
        slider.SetPos(4);
        slider.SetValueMode(mode);
    };
    // A sensitivity row: end captions either side of the slider, which starts where
    // the left caption ends.
    auto sensitivityRow = [&](int insensitiveId, int sliderId, int sensitiveId, int sliderY, int captionY) {
        const int w = PlaceCaption(insensitiveId, L"IDS_STRING127", m_normalFont, 60, captionY);
        MoveItem(sliderId, 60 + w, sliderY, kSliderWidth, 55);
        PlaceCaption(sensitiveId, L"IDS_STRING128", m_normalFont, 60 + w + kSliderWidth + 20, captionY);
    };

    PlaceTitle(IDC_PARK_IMPACT_TITLE, L"IDS_STRING216", 20);
    sensitivityRow(IDC_PARK_INSENSITIVE, IDC_PARK_IMPACT, IDC_PARK_SENSITIVE, 55, 97);
    sensitivity(Slider(ParkingSlider::Impact));

    PlaceTitle(IDC_PARK_BRIGHTNESS_TITLE, L"IDS_STRING215", 147);
    MoveItem(IDC_PARK_BRIGHTNESS, 110, 177, kSliderWidth, 48);
    Slider(ParkingSlider::Brightness).SetRange(0, 2, false);
    Slider(ParkingSlider::Brightness).SetTicFreq(1);
    PlaceCaption(IDC_PARK_DARK, L"IDS_STRING112", m_normalFont, 75, 222);
    PlaceCaption(IDC_PARK_LIGHT, L"IDS_STRING113", m_normalFont, 460, 222);

    PlaceTitle(IDC_PARK_MODE_TITLE, L"IDS_STRING104", 252);
    PlaceCaption(IDC_PARK_MODE_ON, L"IDS_STRING135", m_normalFont, 25, 282);
    PlaceCaption(IDC_PARK_MODE_OFF, L"IDS_STRING136", m_normalFont, 25, 312);

    PlaceTitle(IDC_PARK_PARKING_IMPACT_TITLE, L"IDS_STRING222", 352);
    sensitivityRow(IDC_PARK_PARKING_INSENSITIVE, IDC_PARK_PARKING_IMPACT, IDC_PARK_PARKING_SENSITIVE, 387, 429);
    sensitivity(Slider(ParkingSlider::ParkingImpact));

    PlaceTitle(IDC_PARK_MOTION_TITLE, L"IDS_STRING308", 499);
    sensitivityRow(IDC_PARK_MOTION_INSENSITIVE, IDC_PARK_MOTION, IDC_PARK_MOTION_SENSITIVE, 534, 576);
    listed(Slider(ParkingSlider::Motion), {L"OFF", L"1", L"3", L"5"}, 0x10, 3, kMotion);

    PlaceTitle(IDC_PARK_TIMER_TITLE, L"IDS_STRING140", 646);
    MoveItem(IDC_PARK_TIMER, 110, 681, kSliderWidth, 55);
    listed(Slider(ParkingSlider::Timer), {L"6", L"12", L"24", L"48"}, 0x10, 3, kTimerHours2);
    PlaceCaption(IDC_PARK_TIME, L"IDS_STRING141", m_normalFont, 60, 723);

    PlaceTitle(IDC_PARK_VOLTAGE_TITLE, L"IDS_STRING142", 793);
    const int w4 = PlaceCaption(IDC_PARK_VOLTAGE12_TITLE, L"IDS_STRING143", m_boldFont, 30, 828);
    MoveItem(IDC_PARK_VOLTAGE12, 30 + w4, 828, kSliderWidth, 55);
    listed(Slider(ParkingSlider::Voltage12), kVoltage12Labels, 0x05, 7, kVolts12);
    const int w5 = PlaceCaption(IDC_PARK_VOLTAGE24_TITLE, L"IDS_STRING144", m_boldFont, 30, 928);
    MoveItem(IDC_PARK_VOLTAGE24, 30 + w5, 928, kSliderWidth, 55);
    listed(Slider(ParkingSlider::Voltage24), kVoltage24Labels, 0x05, 7, kVolts24);

    m_scrollMax = 561;
}

void CParkingDlg::CheckItem(int id, bool checked) {
    SendDlgItemMessageW(m_hWnd, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CParkingDlg::RefreshFromRecord() {
    const ConfigRecord& record = *store_.Record();
    Slider(ParkingSlider::Impact).SetPos(record.Get(Field::ImpactSensitivity));
    const std::int32_t mode = record.Get(Field::SurveillanceEnable);
    CheckItem(IDC_PARK_MODE_ON, mode == 1);
    CheckItem(IDC_PARK_MODE_ON2, mode == 2);
    CheckItem(IDC_PARK_MODE_OFF, mode != 1 && mode != 2);
    UpdateParkingControls(mode == 1 || mode == 2);
    if (mode == 2) EnableItem(IDC_PARK_MOTION, false);
    Slider(ParkingSlider::ParkingImpact).SetPos(record.Get(Field::ParkingImpactSensitivity));
    Slider(ParkingSlider::Motion).SetPos(MotionPosition(record.Get(Field::MotionSensitivity)));
    Slider(ParkingSlider::Timer).SetPos(TimerPosition(record.Get(Field::StopRecordingTimer)));
    Slider(ParkingSlider::Voltage12).SetPos(record.Get(Field::StopRecordingVoltage12V));
    Slider(ParkingSlider::Voltage24).SetPos(record.Get(Field::StopRecordingVoltage24V));
    const std::uint32_t bits = record.GetU32(Field::BatteryAutoSetting);
    for (int i = 0; i < 5; ++i) CheckItem(IDC_PARK_BATTERY_FIRST + i, (bits >> i) & 1u);
    Slider(ParkingSlider::Brightness).SetPos(record.Get(Field::FrontCameraBrightness));
}

void CParkingDlg::UpdateParkingControls(bool enable) {
    const ParkingSliderStates states = ParkingSliderStatesFor(store_.Record()->Get(Field::SurveillanceEnable), enable);
    EnableItem(IDC_PARK_TIMER, states.timer);
    EnableItem(IDC_PARK_PARKING_IMPACT, states.parkingImpact);
    EnableItem(IDC_PARK_MOTION, states.motion);
    EnableItem(IDC_PARK_VOLTAGE12, states.voltage12);
    EnableItem(IDC_PARK_VOLTAGE24, states.voltage24);
}

LRESULT CParkingDlg::Paint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    PaintSectionRules(dc);
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CParkingDlg::SliderMoved(WPARAM, LPARAM lParam) {
    // Every notification is stored, also while the thumb is dragged.
    const HWND from = reinterpret_cast<HWND>(lParam);
    for (const SliderSetup& s : kSliders) {
        CSubSlider& slider = Slider(s.which);
        if (slider.m_hWnd == from) StoreSliderPosition(*store_.Record(), s.which, slider.GetPos());
    }
    return 0;
}

void CParkingDlg::ParkingModeClicked(UINT id) {
    ConfigRecord& record = *store_.Record();
    switch (id) {
        case IDC_PARK_MODE_ON:
            record.Set(Field::SurveillanceEnable, 1);
            UpdateParkingControls(true);
            return;
        case IDC_PARK_MODE_ON2:
            record.Set(Field::SurveillanceEnable, 2);
            UpdateParkingControls(true);
            EnableItem(IDC_PARK_MOTION, false);
            return;
        default:
            break;
    }
    if (IsDlgButtonChecked(m_hWnd, IDC_PARK_MODE_OFF) != BST_CHECKED || record.Get(Field::SurveillanceEnable) == 0)
        return;
    CMsgPopupDlg question;
    question.SetContent(texts_(L"IDS_STRING104"),
                        texts_(L"IDS_STRING177") + L"\r\n" + texts_(L"IDS_STRING1770") + L"\r\n", 370, 170);
    if (question.DoModal(GetAncestor(m_hWnd, GA_ROOT)) == 1) {
        store_.Record()->Set(Field::SurveillanceEnable, 0);
        UpdateParkingControls(false);
        EnableItem(IDC_PARK_MOTION, false);
        return;
    }
    // No: back to the mode the record still holds.
    const std::int32_t mode = store_.Record()->Get(Field::SurveillanceEnable);
    for (int radio : {IDC_PARK_MODE_ON, IDC_PARK_MODE_ON2, IDC_PARK_MODE_OFF}) CheckItem(radio, false);
    if (mode == 1 || mode == 2) {
        const int radio = mode == 1 ? IDC_PARK_MODE_ON : IDC_PARK_MODE_ON2;
        CheckItem(radio, true);
        SetFocus(GetDlgItem(m_hWnd, radio));
    }
    UpdateParkingControls(true);
    if (mode == 2) EnableItem(IDC_PARK_MOTION, false);
}

void CParkingDlg::BatteryBoxClicked(UINT id) {
    StoreBatteryBit(*store_.Record(), static_cast<int>(id - IDC_PARK_BATTERY_FIRST),
                    IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED);
}
