// The system settings page against real controls.
#include "pages/system_dlg.h"

#include <commctrl.h>
#include <thread>

#include <gtest/gtest.h>

#include "config/clock_file.h"
#include "pages/registry_time_zones.h"
#include "platform/win32_platform.h"
#include "resource.h"
#include "support/fakes.h"
#include "support/time_zone_fakes.h"
#include "win/page_test.h"

class NoStartup final : public StartupHost {
public:
    std::wstring ModulePath() override { return {}; }
    bool IsRemovableDrive(const std::wstring&) override { return false; }
    std::wstring LocalAppDataFolder() override { return {}; }
    void CreateFolder(const std::wstring&) override {}
    bool CopyProgram(const std::wstring&, const std::wstring&) override { return false; }
    void Launch(const std::wstring&, const std::wstring&, const std::wstring&) override {}
};

namespace {

class SystemPageTest : public PageTest<CSystemDlg> {
protected:
    void SetUp() override {
        store.CreateEmpty();
        store.LanguagePack().PackCodes = {L"en", L"xx", L"fr"};
        store.LanguagePack().PackLanguageNames = {L"English", L"French"};  // "xx" has no name
        parent = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 722, 587, nullptr, nullptr,
                                 nullptr, nullptr);
        Open(std::make_unique<CSystemDlg>(
            parent, store, [](const std::wstring& key) { return key == L"IDS_STRING219" ? L"Initialize" : key; },
            services, zoneDatabase, L"E:\\cards\\mine\\"));
    }
    void TearDown() override {
        PageTest::TearDown();
        ClockSettingEnabled = 0;
    }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }

    FixedTimeZone pcZone{-540};
    NoStartup startup;
    AppServices services{debug, ansi, files, pcZone, notices, startup};
    MemoryTimeZoneDatabase zoneDatabase = SampleZoneDatabase();
};

}  // namespace

TEST_F(SystemPageTest, VoiceGuidanceOffKeepsTheVolume) {
    Record().Set(Field::VoiceGuidanceEnable, 1);
    Record().Set(Field::VoiceGuidanceVolume, 3);
    page->RefreshFromRecord();
    HWND voice = Item(IDC_SYS_VOICE);
    EXPECT_EQ(SendMessageW(voice, TBM_GETPOS, 0, 0), 3);
    SetFocus(voice);
    SendMessageW(voice, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(Record().Get(Field::VoiceGuidanceEnable), 0);
    EXPECT_EQ(Record().Get(Field::VoiceGuidanceVolume), 3);
    page->RefreshFromRecord();
    EXPECT_EQ(SendMessageW(voice, TBM_GETPOS, 0, 0), 0);
    SendMessageW(voice, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(Record().Get(Field::VoiceGuidanceEnable), 1);
    EXPECT_EQ(Record().Get(Field::VoiceGuidanceVolume), 1);
}

TEST_F(SystemPageTest, OddStoredValuesShowAsTheRulesSay) {
    Record().Set(Field::LcdOff, 12345);
    Record().Set(Field::SecurityLed, 2);
    Record().Set(Field::SpeedStamp, 5);
    Record().Set(Field::DaylightSaving, 5);
    page->RefreshFromRecord();
    EXPECT_TRUE(Checked(IDC_SYS_LCD_30S));
    EXPECT_FALSE(Checked(IDC_SYS_LED_ON));
    EXPECT_FALSE(Checked(IDC_SYS_LED_OFF));
    EXPECT_TRUE(Checked(IDC_SYS_STAMP_OFF));
    EXPECT_TRUE(Checked(IDC_SYS_DST_ON));
    EXPECT_EQ(Record().Get(Field::LcdOff), 12345);
    Click(IDC_SYS_LCD_10MIN);
    EXPECT_EQ(Record().Get(Field::LcdOff), 600000);
    Click(IDC_SYS_MPH);
    EXPECT_EQ(Record().Get(Field::SpeedUnit), 1);
}

TEST_F(SystemPageTest, LanguageListHasOneEntryPerPackCode) {
    Record().Set(Field::LanguageIndex, 0);
    page->RefreshFromRecord();
    page->RefreshFromRecord();  // filled once only
    HWND list = Item(IDC_SYS_LANGUAGE);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
    wchar_t text[32];
    SendMessageW(list, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"fr");
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    SendMessageW(list, CB_SETCURSEL, 1, 0);
    SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SYS_LANGUAGE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(Record().Get(Field::LanguageIndex), 1);
    Record().Set(Field::LanguageIndex, 7);
    page->RefreshFromRecord();
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(SystemPageTest, TheClockBoxCopiesThePickers) {
    ClockSettingEnabled = 1;
    page->RefreshFromRecord();
    EXPECT_EQ(ClockSettingEnabled, 0);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_SYS_NOW)));
    SYSTEMTIME when{2025, 3, 5, 7, 14, 5, 9, 0};
    SendMessageW(Item(IDC_SYS_DATE), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&when));
    SendMessageW(Item(IDC_SYS_TIME), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&when));
    Click(IDC_SYS_CLOCK);
    EXPECT_EQ(ClockSettingEnabled, 1);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_SYS_DATE)));
    EXPECT_EQ(ClockSetting.year, 2025);
    EXPECT_EQ(ClockSetting.day, 7);
    EXPECT_EQ(ClockSetting.hour, 14);
    EXPECT_EQ(ClockSetting.second, 9);
    Click(IDC_SYS_CLOCK);
    EXPECT_EQ(ClockSettingEnabled, 0);
    EXPECT_EQ(ClockSetting.year, 2025);
}

TEST_F(SystemPageTest, TouchResetMarksTheDriveRoot) {
    std::vector<std::wstring> texts;
    std::thread user([&] {
        for (UINT answer : {IDYES, IDOK}) {
            for (int i = 0; i < 300; ++i) {
                HWND box = FindWindowW(L"#32770", L"Initialize");
                if (box && IsWindowVisible(box)) {
                    wchar_t text[256] = {};
                    GetDlgItemTextW(box, 0xFFFF, text, 256);
                    texts.emplace_back(text);
                    PostMessageW(box, WM_COMMAND, answer, 0);
                    Sleep(100);
                    break;
                }
                Sleep(10);
            }
        }
    });
    SendMessageW(page->m_hWnd, WM_COMMAND, IDC_SYS_TOUCH_RESET, 0);
    user.join();
    EXPECT_TRUE(files.Exists(L"E:\\set_touch_cal.txt"));
    EXPECT_FALSE(files.Exists(L"E:\\cards\\mine\\set_touch_cal.txt"));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"IDS_STRING220\nIDS_STRING2200", L"IDS_STRING221"}));
}

TEST_F(SystemPageTest, AnEmptyRecordZoneTakesThePcZoneAndPicksReplaceIt) {
    pcZone.zone = {-345, 0, L"Nepal Standard Time"};
    page->RefreshFromRecord();  // the record holds no zone: the PC's is written before any user action
    HWND list = GetDlgItem(page->m_hWnd, IDC_SYS_ZONE);
    ASSERT_GT(SendMessageW(list, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), page->SelectedZoneIndex);
    EXPECT_GE(page->SelectedZoneIndex, 0);
    const std::string before = Record().TimeZoneName();
    EXPECT_EQ(before, "Nepal Standard Time");
    EXPECT_EQ(Record().Get(Field::TimeZoneBias), 345);

    // The first entry has the largest offset; picking it stores its key and offset.
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SYS_ZONE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(page->SelectedZoneIndex, 0);
    EXPECT_NE(Record().TimeZoneName(), before);
    for (int i = static_cast<int>(Record().TimeZoneName().size()); i < 32; ++i)
        EXPECT_EQ(Record().Bytes()[380 + i], 0) << "no tail of the earlier name at " << i;
}

// The same page over the PC's real time-zone database.
TEST(SystemPageRealZones, ARecordZoneIsFoundByNameAndOffset) {
    MemoryFileSystem files;
    CapturedOutput debug;
    Win32AnsiCodePage ansi;
    RecordedNotices notices;
    Win32PcTimeZone pcZone;
    NoStartup startup;
    AppServices services{debug, ansi, files, pcZone, notices, startup};
    RegistryTimeZoneDatabase database;
    ConfigStore store{files, debug, ansi, notices};
    store.CreateEmpty();
    HWND parent = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 722, 587, nullptr, nullptr, nullptr, nullptr);
    CSystemDlg page(
        parent, store, [](const std::wstring& key) { return key; }, services, database, L"E:\\");
    ASSERT_TRUE(page.Create());
    HWND list = GetDlgItem(page.m_hWnd, IDC_SYS_ZONE);
    auto selectedText = [&] {
        wchar_t text[256] = {};
        SendMessageW(list, CB_GETLBTEXT, SendMessageW(list, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    struct Case {
        const char* name;
        int bias;
        const wchar_t* want;  // the start of the selected entry's text
    };
    const Case cases[] = {
        {"Tokyo Standard Time", 540, L"(UTC+09:00) Osaka"},  // not the other +9 zones that sort before it
        {"Nowhere Standard Time", 60, L"(UTC+01:00)"},       // the first zone with the offset
    };
    for (const Case& c : cases) {
        store.Record()->SetTimeZoneName(c.name);
        store.Record()->Set(Field::TimeZoneBias, c.bias);
        page.RefreshFromRecord();
        EXPECT_EQ(selectedText().rfind(c.want, 0), 0u) << c.name << ": " << selectedText().c_str();
    }
    wchar_t first[256] = {};
    SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(std::wstring(first).rfind(L"(UTC+14:00)", 0), 0u) << "the largest offset comes first";
    page.DestroyWindow();
    DestroyWindow(parent);
}
