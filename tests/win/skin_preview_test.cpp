// Builds a window like the main window's skin (background, title, tabs, command and title-bar
// buttons at their places) and saves what it shows as build/win/skin-preview.png, to look at.
#include <objidl.h>
#include <windows.h>

#include <cstring>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include "controls/rbutton.h"
#include "controls/rstatic_text.h"
#include "resource.h"
#include "win/win_support.h"

#ifndef DASHCAM_SKIN_PREVIEW
#define DASHCAM_SKIN_PREVIEW L"skin-preview.png"
#endif

namespace {

// Saves the picture as a PNG with GDI+'s own encoder.
bool SavePng(const PixelImage& image, const wchar_t* path) {
    using namespace Gdiplus;
    PixelImage opaque = image;
    for (Argb& p : opaque.pixels) p |= 0xFF000000;
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(opaque.width, opaque.height, opaque.width * 4, PixelFormat32bppARGB,
                                              reinterpret_cast<BYTE*>(opaque.pixels.data()), &bitmap) != Ok)
        return false;
    const CLSID png{0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    const bool saved = DllExports::GdipSaveImageToFile(bitmap, path, &png, nullptr) == Ok;
    DllExports::GdipDisposeImage(bitmap);
    return saved;
}

struct Tab {
    UINT id;
    RECT rect;
    const wchar_t* text;
    UINT firstImage;  // normal; then hover, pressed, selected
};

}  // namespace

TEST(SkinPreview, TheMainWindowSkinAsAPicture) {
    TestParent window;
    HDC background = window.Background().Dc();

    const GdiFont titleFont = CreateSkinFont(13);
    const SkinTextStyle titleStyle{
        L"Dash cam setting", RGB(214, 223, 233), RGB(255, 255, 255), RGB(255, 255, 255), 13, 0};
    CRStaticText title;
    ASSERT_TRUE(title.CreateChild(window.m_hWnd, 2001, {11, 7, 411, 27}));
    title.SetSkin(0, titleFont.Get(), background, &titleStyle);

    const Tab tabs[] = {
        {2203, {11, 48, 151, 85}, L"Memory Card Settings", IDB_TAB_CARD_NORMAL},
        {2202, {151, 48, 291, 85}, L"Record settings", IDB_TAB_RECORD_NORMAL},
        {2204, {291, 48, 431, 85}, L"System Settings", IDB_TAB_SYSTEM_NORMAL},
    };
    CRButton tabButtons[3];
    for (int i = 0; i < 3; ++i) {
        const Tab& t = tabs[i];
        const SkinTextStyle style{t.text, RGB(119, 148, 177), RGB(119, 148, 177), RGB(255, 255, 255), 13, 1};
        ASSERT_TRUE(tabButtons[i].CreateChild(window.m_hWnd, t.id, t.rect));
        tabButtons[i].SetSkin(t.firstImage, t.firstImage + 1, t.firstImage + 2, background, &style);
        tabButtons[i].SetSelectedImage(t.firstImage + 3);
        tabButtons[i].SetSelected(i == 0);
    }

    CRButton minimise, close;
    ASSERT_TRUE(minimise.CreateChild(window.m_hWnd, 2300, {648, 0, 677, 26}));
    minimise.SetImages(IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED, background);
    ASSERT_TRUE(close.CreateChild(window.m_hWnd, 2301, {677, 0, 706, 26}));
    close.SetImages(IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED, background);

    const std::pair<UINT, RECT> commands[] = {
        {2302, {8, 546, 229, 575}}, {2303, {510, 546, 610, 575}}, {2304, {614, 546, 714, 575}}};
    const wchar_t* captions[] = {L"Initialize", L"Cancel", L"Save"};
    CRButton commandButtons[3];
    for (int i = 0; i < 3; ++i) {
        const SkinTextStyle style{captions[i], RGB(176, 187, 200), RGB(255, 255, 255), RGB(255, 255, 255), 13, 1};
        ASSERT_TRUE(commandButtons[i].CreateChild(window.m_hWnd, commands[i].first, commands[i].second));
        commandButtons[i].SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, background, &style);
    }

    // The page area, white as the main window paints it.
    const GdiBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    const RECT page{11, 85, 711, 522};
    FillRect(window.Background().Dc(), &page, white.Get());
    InvalidateRect(window.m_hWnd, nullptr, TRUE);
    RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();

    const PixelImage shown = CaptureWindow(window.m_hWnd);
    ASSERT_EQ(shown.width, 722);
    ASSERT_EQ(shown.height, 587);
    EXPECT_TRUE(SavePng(shown, DASHCAM_SKIN_PREVIEW));
    // The selected first tab shows its caption white, the others theirs in steel blue.
    EXPECT_TRUE(tabButtons[0].IsSelected());
    EXPECT_EQ(tabButtons[1].State(), ButtonState::Normal);
}
