// The page base against a real child dialog: scrolling moves the content, Enter is
// swallowed, the layout helpers size real controls.
#include "controls/base_dialog.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

constexpr int kChild = 5000, kOption = 5001, kLabel = 5002;

class TestPage final : public CBaseDialog {
public:
    explicit TestPage(HWND parent) : CBaseDialog(IDD_PARKING, parent) {
        m_scrollMax = 500;
        m_scrollStep = 80;
    }
    using CBaseDialog::FitItemToText;
    using CBaseDialog::MeasureTextWidth;
    using CBaseDialog::PlaceItem;
    using CBaseDialog::PlaceOptionLabel;
    HFONT Normal() const { return m_normalFont; }

protected:
    BOOL OnInitDialog() override {
        CreatePageFonts();
        for (auto [id, cls, style] :
             {std::tuple{kChild, L"STATIC", 0L}, std::tuple{kOption, L"BUTTON", BS_AUTOCHECKBOX},
              std::tuple{kLabel, L"STATIC", 0L}})
            CreateWindowExW(0, cls, L"x", WS_CHILD | WS_VISIBLE | style, 10, 100, 50, 20, m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        InitScrolling();
        return TRUE;
    }
};

class PageBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 722, 587, nullptr, nullptr, nullptr, nullptr);
        page = std::make_unique<TestPage>(parent);
        ASSERT_TRUE(page->Create());
        ShowWindow(parent, SW_SHOWNOACTIVATE);  // scrolling moves the children of a visible page
        ShowWindow(page->m_hWnd, SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(parent);
    }
    int ChildTop() {
        RECT r{};
        GetWindowRect(GetDlgItem(page->m_hWnd, kChild), &r);
        MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r.top;
    }

    HWND parent = nullptr;
    std::unique_ptr<TestPage> page;
};

}  // namespace

TEST_F(PageBaseTest, ScrollBarAndWheelMoveTheContent) {
    RECT client{};
    GetClientRect(page->m_hWnd, &client);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(page->m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 937);
    EXPECT_EQ(info.nPage, 437u);

    SendMessageW(page->m_hWnd, WM_VSCROLL, SB_LINEUP, 0);  // nothing above the top
    EXPECT_EQ(page->ScrollPos(), 0);
    EXPECT_EQ(ChildTop(), 100);
    SendMessageW(page->m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(page->ScrollPos(), 80);
    EXPECT_EQ(ChildTop(), 20);
    SendMessageW(page->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(page->ScrollPos(), 0);
    EXPECT_EQ(ChildTop(), 100);
    SendMessageW(page->m_hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 501), 0);
    EXPECT_EQ(page->ScrollPos(), 501);
    EXPECT_EQ(GetScrollPos(page->m_hWnd, SB_VERT), 501);
    SendMessageW(page->m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(page->ScrollPos(), 500);
    EXPECT_EQ(ChildTop(), -400);
}

TEST_F(PageBaseTest, EnterIsSwallowed) {
    MSG enter{GetDlgItem(page->m_hWnd, kOption), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG other{GetDlgItem(page->m_hWnd, kOption), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_TRUE(page->PreTranslateMessage(enter));
    EXPECT_FALSE(page->PreTranslateMessage(other));
}

TEST_F(PageBaseTest, LayoutHelpersSizeRealControls) {
    HWND option = GetDlgItem(page->m_hWnd, kOption);
    const Size blank = page->PlaceOptionLabel(kOption, L"   ", page->Normal(), 5, 6);
    EXPECT_EQ(blank, (Size{25, 25}));
    wchar_t text[8] = L"?";
    GetWindowTextW(option, text, 8);
    EXPECT_STREQ(text, L"");

    const Size sized = page->PlaceOptionLabel(kOption, L"  Enabled ", page->Normal(), 5, 6);
    EXPECT_EQ(sized.width, page->MeasureTextWidth(L"Enabled", page->Normal()) + 30);
    EXPECT_GT(sized.height, 0);

    page->PlaceItem(kLabel, page->Normal(), L"", 1, 2, 99, 20, true);
    RECT r{};
    GetWindowRect(GetDlgItem(page->m_hWnd, kLabel), &r);
    EXPECT_EQ(r.right - r.left, 0);
    page->PlaceItem(kLabel, page->Normal(), L"Volume", 1, 2, 99, 20, true);
    GetWindowRect(GetDlgItem(page->m_hWnd, kLabel), &r);
    EXPECT_EQ(r.right - r.left,
              page->MeasureTextWidth(L"Volume", page->Normal()) + 4 * page->MeasureTextWidth(L" ", page->Normal()));
    page->PlaceItem(4242, page->Normal(), L"no such control", 1, 2, 99, 20, true);  // nothing happens
}
