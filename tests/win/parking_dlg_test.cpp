// The record settings page against real controls: the messages a user's keys and
// clicks cause, and what lands in the record.
#include "pages/parking_dlg.h"

#include <commctrl.h>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "resource.h"
#include "support/fakes.h"
#include "win/page_test.h"

namespace {

const std::map<std::wstring, std::wstring> kTexts = {
    {L"IDS_STRING104", L"Parking Mode"},
    {L"IDS_STRING127", L"Insensitive"},
    {L"IDS_STRING128", L"Sensitive"},
    {L"IDS_STRING135", L"Enabled (Switch to Parking Mode, once the engine is turned off)"},
    {L"IDS_STRING136", L"Disabled (Turn off the dash cam, once the engine is turned off)"},
    {L"IDS_STRING177", L"If Parking Mode is disabled,"},
    {L"IDS_STRING1770", L"the dash cam stops recording when the vehicle is turned off."},
    {L"IDS_STRING216", L"Impact sensitivity at continuous mode"},
};

class ParkingPageTest : public PageTest<CParkingDlg> {
protected:
    void SetUp() override {
        PageTest::SetUp();
        Open(std::make_unique<CParkingDlg>(parent, store, [](const std::wstring& key) {
            auto at = kTexts.find(key);
            return at == kTexts.end() ? std::wstring() : at->second;
        }));
    }

    int Pos(int id) { return static_cast<int>(SendMessageW(Item(id), TBM_GETPOS, 0, 0)); }
    bool Enabled(int id) { return IsWindowEnabled(Item(id)) != 0; }
    std::vector<bool> ParkingSlidersEnabled() {
        return {Enabled(IDC_PARK_TIMER), Enabled(IDC_PARK_PARKING_IMPACT), Enabled(IDC_PARK_MOTION),
                Enabled(IDC_PARK_VOLTAGE12), Enabled(IDC_PARK_VOLTAGE24)};
    }
    // Clicks radio 4002 and answers the confirmation with key.
    void ClickParkingOffAndAnswer(WPARAM key) {
        std::thread user([key] {
            for (int i = 0; i < 300; ++i) {
                HWND popup = FindWindowW(nullptr, L"Parking Mode");
                if (popup && IsWindowVisible(popup)) {
                    PostMessageW(popup, WM_KEYDOWN, key, 0);
                    return;
                }
                Sleep(10);
            }
        });
        SendMessageW(Item(IDC_PARK_MODE_OFF), BM_CLICK, 0, 0);
        user.join();
    }
};

}  // namespace

TEST_F(ParkingPageTest, RefreshShowsWhatTheRecordHolds) {
    struct Case {
        int surveillance, motion, timer, volt12;
        int motionPos, timerPos, volt12Pos;
        bool on, off;
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {1, 2, 0, 3, 3, 0, 3, true, false, {true, true, true, true, true}},
        {2, 5, 7, 9, 3, 3, 7, false, false, {true, true, false, true, true}},
        {0, 0, 48, -1, 0, 3, 0, false, true, {false, false, false, false, false}},
        {7, 3, 12, 4, 2, 1, 4, false, true, {false, false, false, true, true}},
    };
    for (const Case& c : cases) {
        Record().Set(Field::SurveillanceEnable, c.surveillance);
        Record().Set(Field::MotionSensitivity, c.motion);
        Record().Set(Field::StopRecordingTimer, c.timer);
        Record().Set(Field::StopRecordingVoltage12V, c.volt12);
        Record().Set(Field::FrontCameraBrightness, 2);
        page->RefreshFromRecord();
        EXPECT_EQ(Pos(IDC_PARK_MOTION), c.motionPos) << c.surveillance;
        EXPECT_EQ(Pos(IDC_PARK_TIMER), c.timerPos) << c.surveillance;
        EXPECT_EQ(Pos(IDC_PARK_VOLTAGE12), c.volt12Pos) << c.surveillance;
        EXPECT_EQ(Pos(IDC_PARK_BRIGHTNESS), 2);
        EXPECT_EQ(Checked(IDC_PARK_MODE_ON), c.on) << c.surveillance;
        EXPECT_EQ(Checked(IDC_PARK_MODE_OFF), c.off) << c.surveillance;
        EXPECT_EQ(ParkingSlidersEnabled(), c.enabled) << c.surveillance;
        EXPECT_EQ(Record().Get(Field::MotionSensitivity), c.motion) << "refresh writes nothing";
    }
}

TEST_F(ParkingPageTest, SlidersWriteEveryPositionTheUserPasses) {
    Record().Set(Field::SurveillanceEnable, 1);
    Record().Set(Field::MotionSensitivity, 2);
    page->RefreshFromRecord();
    HWND motion = Item(IDC_PARK_MOTION);
    SetFocus(motion);
    SendMessageW(motion, WM_KEYDOWN, VK_HOME, 0);  // the user's Home key: the trackbar notifies the page
    EXPECT_EQ(Record().Get(Field::MotionSensitivity), 0);

    HWND timer = Item(IDC_PARK_TIMER);
    std::vector<int> seen;
    for (int position : {1, 2, 3}) {  // a drag passes each position
        SendMessageW(timer, TBM_SETPOS, TRUE, position);
        SendMessageW(page->m_hWnd, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(timer));
        seen.push_back(Record().Get(Field::StopRecordingTimer));
    }
    EXPECT_EQ(seen, (std::vector<int>{12, 24, 48}));

    HWND volts = Item(IDC_PARK_VOLTAGE24);
    SetFocus(volts);
    SendMessageW(volts, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Record().Get(Field::StopRecordingVoltage24V), 7);
    HWND brightness = Item(IDC_PARK_BRIGHTNESS);
    SetFocus(brightness);
    SendMessageW(brightness, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Record().Get(Field::FrontCameraBrightness), 2);
}

TEST_F(ParkingPageTest, TurningParkingModeOffAsksFirst) {
    Record().Set(Field::SurveillanceEnable, 1);
    page->RefreshFromRecord();
    ClickParkingOffAndAnswer('N');
    EXPECT_EQ(Record().Get(Field::SurveillanceEnable), 1);
    EXPECT_TRUE(Checked(IDC_PARK_MODE_ON));
    EXPECT_FALSE(Checked(IDC_PARK_MODE_OFF));
    EXPECT_EQ(GetFocus(), Item(IDC_PARK_MODE_ON));
    EXPECT_EQ(ParkingSlidersEnabled(), (std::vector<bool>{true, true, true, true, true}));

    ClickParkingOffAndAnswer('Y');
    EXPECT_EQ(Record().Get(Field::SurveillanceEnable), 0);
    EXPECT_EQ(ParkingSlidersEnabled(), (std::vector<bool>{false, false, false, false, false}));

    SendMessageW(Item(IDC_PARK_MODE_ON), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().Get(Field::SurveillanceEnable), 1);
    EXPECT_EQ(ParkingSlidersEnabled(), (std::vector<bool>{true, true, true, true, true}));
}

TEST_F(ParkingPageTest, AlreadyOffAsksNothing) {
    Record().Set(Field::SurveillanceEnable, 0);
    page->RefreshFromRecord();
    SendMessageW(Item(IDC_PARK_MODE_OFF), BM_CLICK, 0, 0);  // a popup here would block the test
    EXPECT_EQ(Record().Get(Field::SurveillanceEnable), 0);
}

TEST_F(ParkingPageTest, HiddenControlsMirrorTheirFields) {
    Record().SetU32(Field::BatteryAutoSetting, 0b10100);
    page->RefreshFromRecord();
    EXPECT_TRUE(Checked(IDC_PARK_BATTERY_FIRST + 2));
    EXPECT_FALSE(Checked(IDC_PARK_BATTERY_FIRST + 1));
    // They have no size, so only the keyboard reaches them: the space bar on the focused box.
    auto pressSpace = [&](int id) {
        SetFocus(Item(id));
        SendMessageW(Item(id), WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(Item(id), WM_KEYUP, VK_SPACE, 0xC0000000);
    };
    pressSpace(IDC_PARK_BATTERY_FIRST + 1);
    pressSpace(IDC_PARK_BATTERY_FIRST + 4);
    EXPECT_EQ(Record().GetU32(Field::BatteryAutoSetting), 0b00110u);
    pressSpace(IDC_PARK_MODE_ON2);
    EXPECT_EQ(Record().Get(Field::SurveillanceEnable), 2);
    EXPECT_FALSE(Enabled(IDC_PARK_MOTION));
    RECT r{};
    GetWindowRect(Item(IDC_PARK_MODE_ON2), &r);
    EXPECT_EQ(r.right - r.left, 0);
}

TEST_F(ParkingPageTest, ClickingTheBackgroundTakesTheFocusFromSliders) {
    SetFocus(Item(IDC_PARK_IMPACT));
    SendMessageW(page->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 5));
    EXPECT_EQ(GetFocus(), Item(IDC_PARK_FOCUS));
    MSG escape{Item(IDC_PARK_IMPACT), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(page->PreTranslateMessage(escape));
}

TEST_F(ParkingPageTest, LayoutFollowsTheCaptions) {
    RECT left{}, slider{}, right{};
    GetWindowRect(Item(IDC_PARK_INSENSITIVE), &left);
    GetWindowRect(Item(IDC_PARK_IMPACT), &slider);
    GetWindowRect(Item(IDC_PARK_SENSITIVE), &right);
    EXPECT_EQ(slider.left, left.right);
    EXPECT_EQ(slider.right - slider.left, 350);
    EXPECT_EQ(right.left, slider.right + 20);
    EXPECT_EQ(page->ScrollMax(), 561);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(page->m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 998);
}

TEST_F(ParkingPageTest, TickLabelsAreDrawnUnderTheSlider) {
    Record().Set(Field::ImpactSensitivity, 3);
    page->RefreshFromRecord();
    HWND slider = Item(IDC_PARK_IMPACT);
    RedrawWindow(slider, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    RECT client{};
    GetClientRect(slider, &client);
    HDC dc = GetDC(slider);
    auto darkPixelsAround = [&](int centre) {
        int dark = 0;
        for (int y = client.bottom - 14; y < client.bottom; ++y)
            for (int x = centre - 5; x <= centre + 5; ++x) {
                COLORREF c = GetPixel(dc, x, y);
                if (c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 300) ++dark;
            }
        return dark;
    };
    const int under1 = darkPixelsAround(14), under2 = darkPixelsAround(94), under3 = darkPixelsAround(175);
    ReleaseDC(slider, dc);
    EXPECT_GT(under1, 3) << "label 1";
    EXPECT_GT(under3, 3) << "label 3";
    EXPECT_EQ(under2, 0) << "label 2 is not drawn with these flags";
}

TEST_F(ParkingPageTest, TooltipsShowTheValueThePositionStandsFor) {
    struct Case {
        int id, field;
        int value;
        const wchar_t* want;
    };
    Record().Set(Field::SurveillanceEnable, 1);
    Record().Set(Field::StopRecordingVoltage24V, 4);
    Record().Set(Field::StopRecordingVoltage12V, 0);
    Record().Set(Field::MotionSensitivity, 0);
    Record().Set(Field::StopRecordingTimer, 48);
    Record().Set(Field::ImpactSensitivity, 3);
    page->RefreshFromRecord();
    const std::pair<int, const wchar_t*> cases[] = {{IDC_PARK_VOLTAGE24, L"24.0"},
                                                    {IDC_PARK_VOLTAGE12, L"11.6"},
                                                    {IDC_PARK_MOTION, L"0"},
                                                    {IDC_PARK_TIMER, L"48"},
                                                    {IDC_PARK_IMPACT, L"3"}};
    for (auto [id, want] : cases) {
        HWND tooltip = reinterpret_cast<HWND>(SendMessageW(Item(id), TBM_GETTOOLTIPS, 0, 0));
        ASSERT_NE(tooltip, nullptr);
        // Ask the slider for its tip the way its tooltip does when it is about to show.
        NMTTDISPINFOW info{};
        info.hdr = {tooltip, 0, TTN_GETDISPINFOW};
        SendMessageW(Item(id), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(info.lpszText, want) << id;
    }
}
