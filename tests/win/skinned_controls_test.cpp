// The image button and the text label as real child windows of a test window, driven by real
// mouse input, with what they draw read back from the screen.
#include <array>

#include <gtest/gtest.h>

#include "controls/png_resource.h"
#include "controls/rbutton.h"
#include "controls/rstatic_text.h"
#include "resource.h"
#include "win/win_support.h"

namespace {

constexpr UINT kTabId = 2203, kTwinId = 2299, kSaveId = 2304, kMinimiseId = 2300, kTitleId = 2001;
constexpr COLORREF kGround = RGB(40, 44, 48);

SkinTextStyle TabStyle(const wchar_t* text) {
    return {text, RGB(119, 148, 177), RGB(119, 148, 177), RGB(255, 255, 255), 13, 1};
}
SkinTextStyle CommandStyle(const wchar_t* text) {
    return {text, RGB(176, 187, 200), RGB(255, 255, 255), RGB(255, 255, 255), 13, 1};
}

// A tab of the first kind at rect, skinned against the parent's background.
void MakeTab(CRButton& tab, TestParent& parent, UINT id, RECT rect, const SkinTextStyle* style) {
    ASSERT_TRUE(tab.CreateChild(parent.m_hWnd, id, rect));
    tab.SetSkin(IDB_TAB_CARD_NORMAL, IDB_TAB_CARD_HOVER, IDB_TAB_CARD_PRESSED, parent.Background().Dc(), style);
    tab.SetSelectedImage(IDB_TAB_CARD_SELECTED);
}

// The pixels where text was drawn: the difference between a captioned control and a twin
// without caption over the same plain background.
SkinBox CaptionInk(HWND captioned, HWND twin) {
    PumpMessages();
    return DifferenceBox(CaptureWindow(captioned), CaptureWindow(twin));
}

bool Shows(HWND hwnd, Argb colour) {
    for (Argb p : CaptureWindow(hwnd).pixels)
        if (p == (colour & 0xFFFFFF)) return true;
    return false;
}

Argb Rgb(COLORREF c) {
    return MakeArgb(0, GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace

TEST(CRButton, ATabCentresItsCaptionInTheContentBox) {
    TestParent parent(722, 587, kGround);
    const GdiFont font = CreateSkinFont(13);
    // The second caption is wider than the 130-pixel box: it stays whole, centred on the box.
    for (const wchar_t* text : {L"Record settings", L"Memory Card Settings"}) {
        const SkinTextStyle style = TabStyle(text);
        CRButton tab, twin;
        MakeTab(tab, parent, kTabId, {11, 48, 151, 85}, &style);
        MakeTab(twin, parent, kTwinId, {11, 148, 151, 185}, nullptr);

        EXPECT_TRUE(EqualRect(&tab.TextBox(), std::array{RECT{6, 2, 136, 37}}.data()));
        // The text cell is centred across (6, 13, 136, 37): 13 = 2 + (37 - 13 - 2) / 2.
        const TextInk ink = MeasureInk(style.text, font.Get());
        const SkinBox drawn = CaptionInk(tab.m_hWnd, twin.m_hWnd);
        EXPECT_EQ(drawn.top, 13 + ink.ink.top) << text;
        EXPECT_EQ(drawn.bottom, 13 + ink.ink.bottom) << text;
        const int cellLeft = 6 + (130 - ink.cellWidth) / 2;
        EXPECT_NEAR(drawn.left, cellLeft + ink.ink.left, 1) << text;
        EXPECT_NEAR(drawn.right, cellLeft + ink.ink.right, 1) << text;
    }
}

TEST(CRButton, APushButtonDrawsItsCaptionFromRow9) {
    TestParent parent(722, 587, kGround);
    const SkinTextStyle style = CommandStyle(L"Cancel");
    CRButton button, twin;
    ASSERT_TRUE(button.CreateChild(parent.m_hWnd, kSaveId, {510, 546, 610, 575}));
    ASSERT_TRUE(twin.CreateChild(parent.m_hWnd, kTwinId, {510, 446, 610, 475}));
    button.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), &style);
    twin.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), nullptr);

    EXPECT_TRUE(EqualRect(&button.TextBox(), std::array{RECT{7, 3, 96, 28}}.data()));
    const GdiFont font = CreateSkinFont(13);
    const TextInk ink = MeasureInk(style.text, font.Get());
    EXPECT_EQ(CaptionInk(button.m_hWnd, twin.m_hWnd).top, 9 + ink.ink.top);
}

TEST(CRButton, AClickIsPostedToTheParentBeforeItsLookChanges) {
    TestParent parent;
    const SkinTextStyle style = CommandStyle(L"Save");
    CRButton save;
    ASSERT_TRUE(save.CreateChild(parent.m_hWnd, kSaveId, {614, 546, 714, 575}));
    save.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), &style);
    PumpMessages();

    // By the time the parent handles the command, the button has already shown its new look.
    struct Seen {
        CRButton* button;
        std::vector<ButtonState> states;
    } seen{&save, {}};
    parent.commandContext = &seen;
    parent.onCommand = [](WPARAM, void* context) {
        auto* s = static_cast<Seen*>(context);
        s->states.push_back(s->button->State());
    };

    MouseMoveTo(650, 560);
    EXPECT_EQ(save.State(), ButtonState::Hover);
    EXPECT_TRUE(Shows(save.m_hWnd, Rgb(style.hover)));
    MouseDown(650, 560);
    EXPECT_EQ(save.State(), ButtonState::Pressed);
    EXPECT_TRUE(Shows(save.m_hWnd, Rgb(style.pressed)));
    MouseUp(650, 560);
    ASSERT_EQ(parent.Commands().size(), 1u);
    EXPECT_EQ(parent.Commands()[0].wParam, MAKEWPARAM(kSaveId, 0));
    EXPECT_EQ(parent.Commands()[0].lParam, 0);
    EXPECT_EQ(seen.states, std::vector<ButtonState>{ButtonState::Hover});

    // Posted, not sent: the release returns with the command still queued and the look changed.
    SendMessageW(save.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    const PixelImage pressed = CaptureWindow(save.m_hWnd);
    SendMessageW(save.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    MSG queued;
    EXPECT_TRUE(PeekMessageW(&queued, parent.m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_EQ(parent.Commands().size(), 1u);
    EXPECT_NE(CaptureWindow(save.m_hWnd), pressed);
    PumpMessages();
    EXPECT_EQ(parent.Commands().size(), 2u);
}

TEST(CRButton, AReleaseClicksOnlyAfterAPressOnTheButton) {
    TestParent parent;
    CRButton save;
    ASSERT_TRUE(save.CreateChild(parent.m_hWnd, kSaveId, {614, 546, 714, 575}));
    save.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), nullptr);
    PumpMessages();
    const PixelImage normal = CaptureWindow(save.m_hWnd);

    // Pressed on the button, released beside it: no click, and the normal look once the
    // mouse has left.
    MouseMoveTo(650, 560);
    MouseDown(650, 560);
    MouseMoveTo(400, 560);
    MouseUp(400, 560);
    EXPECT_TRUE(PumpUntil([&] { return save.State() == ButtonState::Normal; }));
    EXPECT_EQ(CaptureWindow(save.m_hWnd), normal);

    // Pressed beside the button, released on it: no click either.
    MouseDown(400, 560);
    MouseMoveTo(650, 560);
    MouseUp(650, 560);
    EXPECT_EQ(save.State(), ButtonState::Hover);
    PumpMessages();
    EXPECT_TRUE(parent.Commands().empty());
}

TEST(CRButton, ASelectedTabStaysSelectedUnderTheMouse) {
    TestParent parent;
    const SkinTextStyle style = TabStyle(L"Memory Card Settings");
    CRButton tab;
    MakeTab(tab, parent, kTabId, {11, 48, 151, 85}, &style);
    tab.SetSelected(true);
    PumpMessages();
    const PixelImage selected = CaptureWindow(tab.m_hWnd);
    EXPECT_TRUE(Shows(tab.m_hWnd, Rgb(style.pressed)));

    MouseMoveTo(80, 60);
    EXPECT_EQ(tab.State(), ButtonState::Selected);
    EXPECT_EQ(CaptureWindow(tab.m_hWnd), selected);
    MouseMoveTo(400, 300);
    PumpMessages(500);  // long enough for the mouse-leave check
    EXPECT_EQ(tab.State(), ButtonState::Selected);

    // Clicking it again shows the press until the owner selects it once more.
    MouseMoveTo(80, 60);
    MouseDown(80, 60);
    MouseUp(80, 60);
    EXPECT_EQ(tab.State(), ButtonState::Pressed);
    EXPECT_EQ(parent.Commands().size(), 1u);
    tab.SetSelected(true);
    EXPECT_EQ(CaptureWindow(tab.m_hWnd), selected);

    tab.SetSelected(false);
    EXPECT_EQ(tab.State(), ButtonState::Normal);
    EXPECT_TRUE(Shows(tab.m_hWnd, Rgb(style.normal)));
    EXPECT_FALSE(Shows(tab.m_hWnd, Rgb(style.pressed)));
}

TEST(CRButton, DisablingWithoutADisabledImageKeepsTheLook) {
    TestParent parent;
    const SkinTextStyle style = CommandStyle(L"Initialize");
    CRButton button;
    ASSERT_TRUE(button.CreateChild(parent.m_hWnd, 2302, {8, 546, 229, 575}));
    button.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), &style);
    PumpMessages();
    const PixelImage normal = CaptureWindow(button.m_hWnd);

    EnableWindow(button.m_hWnd, FALSE);
    PumpMessages();
    EXPECT_EQ(button.State(), ButtonState::Normal);
    EXPECT_EQ(CaptureWindow(button.m_hWnd), normal);
    EnableWindow(button.m_hWnd, TRUE);
    PumpMessages();
    EXPECT_EQ(CaptureWindow(button.m_hWnd), normal);
}

TEST(CRButton, ADisabledImageShowsWhileDisabled) {
    TestParent parent;
    const SkinTextStyle style = CommandStyle(L"Initialize");
    CRButton button;
    ASSERT_TRUE(button.CreateChild(parent.m_hWnd, 2302, {8, 546, 229, 575}));
    button.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), &style,
                   IDB_TAB_CARD_NORMAL);
    PumpMessages();
    const PixelImage normal = CaptureWindow(button.m_hWnd);

    EnableWindow(button.m_hWnd, FALSE);
    EXPECT_EQ(button.State(), ButtonState::Disabled);
    EXPECT_NE(CaptureWindow(button.m_hWnd), normal);
    EXPECT_TRUE(Shows(button.m_hWnd, Rgb(style.normal)));  // disabled text: the normal colour
    EnableWindow(button.m_hWnd, TRUE);
    EXPECT_EQ(button.State(), ButtonState::Normal);
    EXPECT_EQ(CaptureWindow(button.m_hWnd), normal);
}

TEST(CRButton, HalfTransparentEdgesShowTheParentsBackground) {
    TestParent parent;
    CRButton minimise, save;
    ASSERT_TRUE(minimise.CreateChild(parent.m_hWnd, kMinimiseId, {648, 0, 677, 26}));
    minimise.SetImages(IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED, parent.Background().Dc());
    ASSERT_TRUE(save.CreateChild(parent.m_hWnd, kSaveId, {614, 546, 714, 575}));
    save.SetSkin(IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED, parent.Background().Dc(), nullptr);
    PumpMessages();

    const PixelImage ground = CanvasPixels(parent.Background());
    CGdiPlusBitmapResource png;
    ASSERT_TRUE(png.LoadPng(IDB_MINIMIZE_NORMAL));
    const PixelImage image = png.ReadPixels();
    const PixelImage shown = CaptureWindow(minimise.m_hWnd);
    // Every pixel: the image over the background under it, so the transparent corner shows
    // the background and the alpha-150 edge a blend of both, never black.
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 29; ++x)
            ASSERT_TRUE(SameColour(shown.At(x, y), BlendOver(ground.At(648 + x, y), Premultiply(image.At(x, y))), 1))
                << x << "," << y;
    EXPECT_EQ(shown.At(0, 25), ground.At(648, 25) & 0xFFFFFF);

    // The push button's outline, black at alpha 150, darkens the background to 105/255.
    const Argb under = ground.At(614, 546 + 14);
    const Argb edge = CaptureWindow(save.m_hWnd).At(0, 14);
    EXPECT_TRUE(SameColour(
        edge, MakeArgb(0, RedOf(under) * 105 / 255, GreenOf(under) * 105 / 255, BlueOf(under) * 105 / 255), 1))
        << std::hex << edge << " over " << under;
    EXPECT_NE(edge, 0u);
}

TEST(CRStaticText, ForwardsTheMouseToItsParentInLabelCoordinates) {
    TestParent parent;
    const GdiFont font = CreateSkinFont(13);
    const SkinTextStyle style{L"Dash cam setting", RGB(214, 223, 233), RGB(255, 255, 255), RGB(255, 255, 255), 13, 0};
    CRStaticText title;
    ASSERT_TRUE(title.CreateChild(parent.m_hWnd, kTitleId, {11, 7, 411, 27}));
    title.SetSkin(0, font.Get(), parent.Background().Dc(), &style);
    PumpMessages();

    parent.received.clear();
    MouseMoveTo(31, 12);
    MouseDown(31, 12);
    MouseUp(31, 12);
    std::vector<UINT> messages;
    for (const TestParent::Received& r : parent.received) {
        messages.push_back(r.message);
        EXPECT_EQ(r.lParam, MAKELPARAM(20, 5)) << r.message;
    }
    EXPECT_EQ(messages, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(parent.received[1].wParam, static_cast<WPARAM>(MK_LBUTTON));
}

TEST(CRStaticText, TextAtTheLeftEdgeCentredVertically) {
    TestParent parent(722, 587, kGround);
    const GdiFont font = CreateSkinFont(13);
    const SkinTextStyle style{L"Dash cam setting", RGB(214, 223, 233), RGB(255, 255, 255), RGB(255, 255, 255), 13, 0};
    CRStaticText title, twin;
    ASSERT_TRUE(title.CreateChild(parent.m_hWnd, kTitleId, {11, 7, 411, 27}));
    ASSERT_TRUE(twin.CreateChild(parent.m_hWnd, kTwinId, {11, 107, 411, 127}));
    title.SetSkin(0, font.Get(), parent.Background().Dc(), &style);
    twin.SetSkin(0, font.Get(), parent.Background().Dc(), nullptr);

    EXPECT_TRUE(EqualRect(&title.TextBox(), std::array{RECT{0, 0, 400, 20}}.data()));
    const TextInk ink = MeasureInk(style.text, font.Get());
    const SkinBox drawn = CaptionInk(title.m_hWnd, twin.m_hWnd);
    EXPECT_EQ(drawn.left, ink.ink.left);
    EXPECT_EQ(drawn.top, (20 - ink.cellHeight) / 2 + ink.ink.top);
    EXPECT_TRUE(Shows(title.m_hWnd, Rgb(style.normal)));
}

TEST(CRStaticText, AResizeRecomposesButKeepsTheLookOfTheLastSkin) {
    TestParent parent(722, 587, kGround);
    const GdiFont font = CreateSkinFont(13);
    const SkinTextStyle style{L"Save", RGB(255, 255, 255), 0, 0, 13, 1};
    CRStaticText label;
    ASSERT_TRUE(label.CreateChild(parent.m_hWnd, kTitleId, {100, 100, 200, 129}));
    label.SetSkin(IDB_BUTTON_NORMAL, font.Get(), parent.Background().Dc(), &style);
    EXPECT_TRUE(EqualRect(&label.TextBox(), std::array{RECT{7, 3, 96, 28}}.data()));
    PumpMessages();
    const PixelImage before = CaptureWindow(label.m_hWnd);

    SetWindowPos(label.m_hWnd, nullptr, 0, 0, 150, 40, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    EXPECT_TRUE(EqualRect(&label.TextBox(), std::array{RECT{7, 3, 96, 28}}.data()));
    const PixelImage after = CaptureWindow(label.m_hWnd);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(after.At(x, y), before.At(x, y)) << x << "," << y;
    // Beyond the background of the last SetSkin the new area is empty (black).
    EXPECT_EQ(after.At(120, 35), 0u);
}
