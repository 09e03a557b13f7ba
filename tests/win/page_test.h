#pragma once
// A settings page under test: a parent window, a record, and the page made by the test.

#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "config/config_store.h"
#include "support/fakes.h"

template <class Page>
class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.CreateEmpty();
        parent = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 722, 587, nullptr, nullptr,
                                 nullptr, nullptr);
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(parent);
    }
    // Creates and shows the page.
    void Open(std::unique_ptr<Page> made) {
        page = std::move(made);
        ASSERT_TRUE(page->Create());
        ShowWindow(page->m_hWnd, SW_SHOW);
    }

    ConfigRecord& Record() { return *store.Record(); }
    HWND Item(int id) { return GetDlgItem(page->m_hWnd, id); }
    bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    MemoryFileSystem files;
    CapturedOutput debug;
    Latin1CodePage ansi;
    RecordedNotices notices;
    ConfigStore store{files, debug, ansi, notices};
    HWND parent = nullptr;
    std::unique_ptr<Page> page;
};
