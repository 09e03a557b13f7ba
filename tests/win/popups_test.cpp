// The yes/no and progress popups against real dialogs, driven by the messages a user's
// keys would cause.
#include "app/popups.h"

#include <commctrl.h>
#include <thread>

#include <gtest/gtest.h>

#include "resource.h"

namespace {

HWND WaitForWindow(const wchar_t* title) {
    for (int i = 0; i < 200; ++i) {
        if (HWND hwnd = FindWindowW(nullptr, title); hwnd && IsWindowVisible(hwnd)) return hwnd;
        Sleep(10);
    }
    return nullptr;
}

RECT ChildRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void PressKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
    PostMessageW(target, WM_KEYUP, key, 0xC0000000);
}

}  // namespace

TEST(MsgPopup, LaysOutItsButtonsAndAnswersYesToY) {
    CMsgPopupDlg popup;
    popup.SetContent(L"Parking mode", L"If off,\r\nthe camera stops.\r\n", 370, 170);
    RECT yes{}, no{}, text{}, window{};
    std::wstring caption(64, L'\0');
    std::thread user([&] {
        HWND hwnd = WaitForWindow(L"Parking mode");
        if (!hwnd) return;
        yes = ChildRect(hwnd, IDOK), no = ChildRect(hwnd, IDCANCEL), text = ChildRect(hwnd, IDC_MSG_TEXT);
        GetWindowRect(hwnd, &window);
        caption.resize(GetDlgItemTextW(hwnd, IDOK, caption.data(), 64));
        PressKey(hwnd, 'Y');
    });
    EXPECT_EQ(popup.DoModal(), 1);
    user.join();
    EXPECT_EQ(window.right - window.left, 370);
    EXPECT_EQ(window.bottom - window.top, 170);
    EXPECT_EQ(yes.left, 90);
    EXPECT_EQ(yes.top, 110);
    EXPECT_EQ(yes.right - yes.left, 85);
    EXPECT_EQ(no.left, 195);
    EXPECT_EQ(text.bottom - text.top, 70);
    EXPECT_EQ(caption, L"\uC608(Y)");
}

TEST(MsgPopup, EscapeIsSwallowedAndNMeansNo) {
    CMsgPopupDlg popup;
    popup.SetContent(L"Question", L"Sure?", 370, 170);
    bool stillOpenAfterEscape = false;
    std::thread user([&] {
        HWND hwnd = WaitForWindow(L"Question");
        if (!hwnd) return;
        PressKey(hwnd, VK_ESCAPE);
        Sleep(200);
        stillOpenAfterEscape = IsWindowVisible(hwnd);
        PressKey(GetDlgItem(hwnd, IDOK), 'N');  // the key goes to the focused button
    });
    EXPECT_EQ(popup.DoModal(), 2);
    user.join();
    EXPECT_TRUE(stillOpenAfterEscape);
}

TEST(MsgPopup, TheCloseBoxAndEnterAnswer) {
    const std::pair<UINT, INT_PTR> cases[] = {{WM_CLOSE, 2}, {WM_KEYDOWN, 1}};
    for (auto [message, want] : cases) {
        CMsgPopupDlg popup;
        popup.SetContent(L"Close me", L"?", 300, 150);
        std::thread user([message = message] {
            HWND hwnd = WaitForWindow(L"Close me");
            if (message == WM_CLOSE) {
                PostMessageW(hwnd, WM_CLOSE, 0, 0);
            } else {
                PressKey(GetDlgItem(hwnd, IDOK), VK_RETURN);
            }
        });
        EXPECT_EQ(popup.DoModal(), want) << message;
        user.join();
    }
}

TEST(ProgPopup, AWorkerReportingAtOnceReachesTheBar) {
    CProgPopupDlg popup;
    popup.SetContent(L"Formatting", L"Formatting memory card.\r\nPlease wait.\r\n", 400, 150);
    std::thread worker;
    LRESULT shownAt30 = -1, shownAt120 = -1;
    RECT bar{}, text{};
    const INT_PTR result = popup.DoModal(nullptr, [&] {
        worker = std::thread([&] {
            HWND hwnd = FindWindowW(nullptr, L"Formatting");
            popup.SetProgress(30);  // straight away, before the popup is even visible
            shownAt30 = SendDlgItemMessageW(hwnd, IDC_PROGRESS, PBM_GETPOS, 0, 0);
            popup.SetProgress(120);
            shownAt120 = SendDlgItemMessageW(hwnd, IDC_PROGRESS, PBM_GETPOS, 0, 0);
            bar = ChildRect(hwnd, IDC_PROGRESS), text = ChildRect(hwnd, IDC_PROG_TEXT);
            PressKey(hwnd, VK_ESCAPE);  // swallowed
            Sleep(100);
            popup.Close();
        });
    });
    worker.join();
    EXPECT_EQ(result, 2);
    EXPECT_EQ(shownAt30, 30);
    EXPECT_EQ(shownAt120, 100);
    EXPECT_EQ(popup.GetProgress(), 100);
    EXPECT_EQ(bar.left, 40);
    EXPECT_EQ(bar.right - bar.left, 320);
    EXPECT_EQ(text.bottom - text.top, 50);
}
