// The memory card page against real controls: partition type, share bars and texts,
// overwrite options.
#include "pages/etc_dlg.h"

#include <gtest/gtest.h>

#include "resource.h"
#include "support/fakes.h"
#include "win/page_test.h"

namespace {

class EtcPageTest : public PageTest<CEtcDlg> {
protected:
    void SetUp() override {
        PageTest::SetUp();
        Open(std::make_unique<CEtcDlg>(
            parent, store, [](const std::wstring& key) { return key == L"IDS_STRING161" ? L"Format" : key; },
            [this](HWND) { ++formats; }));
    }
    std::vector<std::wstring> ShareTexts() {
        UpdateWindow(page->m_hWnd);
        std::vector<std::wstring> texts;
        for (int id = IDC_ETC_SHARE_FIRST; id <= IDC_ETC_SHARE_LAST; ++id) {
            wchar_t text[16] = {};
            GetWindowTextW(Item(id), text, 16);
            texts.emplace_back(text);
        }
        return texts;
    }
    // The length of bar i as drawn: the run of non-white pixels right of the share texts.
    int BarLength(int i) {
        RECT share{}, radio{};
        GetWindowRect(Item(IDC_ETC_SHARE_FIRST), &share);
        GetWindowRect(Item(IDC_ETC_PARTITION_A), &radio);
        MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&share), 2);
        MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&radio), 2);
        const int x0 = share.right + 10, y = radio.bottom + 21 + 30 * i + 7;
        HDC dc = GetDC(page->m_hWnd);
        int length = 0;
        while (length < 600) {
            const COLORREF c = GetPixel(dc, x0 + length, y);
            if (c == CLR_INVALID || GetRValue(c) + GetGValue(c) + GetBValue(c) > 740) break;
            ++length;
        }
        ReleaseDC(page->m_hWnd, dc);
        return length;
    }

    int formats = 0;
};

}  // namespace

TEST_F(EtcPageTest, PartitionTypeBStoresTwoAndRedrawsItsShares) {
    Record().Set(Field::MemoryPartition, 1);
    page->RefreshFromRecord();
    EXPECT_EQ(ShareTexts(), (std::vector<std::wstring>{L"60.6%", L"20.0%", L"5.0%", L"3.0%", L"10.0%"}));
    SendMessageW(Item(IDC_ETC_PARTITION_B), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().Get(Field::MemoryPartition), 2);
    EXPECT_EQ(ShareTexts(), (std::vector<std::wstring>{L"36.3%", L"15.0%", L"5.0%", L"3.0%", L"40.0%"}));
    const std::vector<int> lengths = {BarLength(0), BarLength(1), BarLength(2), BarLength(3), BarLength(4)};
    EXPECT_EQ(lengths, (std::vector<int>{163, 67, 22, 13, 180}));
}

TEST_F(EtcPageTest, AnUnknownTypeChecksNothingAndShowsTypeA) {
    Record().Set(Field::MemoryPartition, 0);
    page->RefreshFromRecord();
    EXPECT_FALSE(Checked(IDC_ETC_PARTITION_A) || Checked(IDC_ETC_PARTITION_B) || Checked(IDC_ETC_PARTITION_C));
    EXPECT_EQ(ShareTexts()[0], L"60.6%");
    EXPECT_EQ(BarLength(0), 272);
    EXPECT_EQ(Record().Get(Field::MemoryPartition), 0);
}

TEST_F(EtcPageTest, OverwriteBoxesFollowTheirFields) {
    Record().Set(Field::EventRecordingPark, 1);
    page->RefreshFromRecord();
    EXPECT_TRUE(Checked(IDC_ETC_OVERWRITE_FIRST + 2));
    SendMessageW(Item(IDC_ETC_OVERWRITE_FIRST + 2), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().Get(Field::EventRecordingPark), 0);
    SendMessageW(Item(IDC_ETC_OVERWRITE_FIRST + 2), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().Get(Field::EventRecordingPark), 1);
    SendMessageW(Item(IDC_ETC_OVERWRITE_FIRST + 3), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().Get(Field::ManualRecording), 1);
    // Continuous recordings are always overwritten and the box cannot change that.
    EXPECT_TRUE(Checked(IDC_ETC_CONTINUOUS));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ETC_CONTINUOUS)));
}

TEST_F(EtcPageTest, TheFormatButtonAndTheFocusTarget) {
    RECT r{};
    GetWindowRect(Item(IDC_FORMAT), &r);
    EXPECT_EQ(r.right - r.left, 6 * 6 + 40);
    EXPECT_EQ(r.bottom - r.top, 30);
    SendMessageW(Item(IDC_FORMAT), BM_CLICK, 0, 0);
    EXPECT_EQ(formats, 1);
    SetFocus(Item(IDC_ETC_PARTITION_A));
    SendMessageW(page->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(650, 5));
    EXPECT_EQ(GetFocus(), Item(IDC_ETC_FOCUS));
}
