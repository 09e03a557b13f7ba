#include "win/win_support.h"

#include <objidl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include "controls/skin.h"
#include "resource.h"

namespace {

// GDI+ runs for the whole test program, as it does for the whole application.
class GdiplusEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

testing::Environment* const gdiplus = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

void SendMouse(int x, int y, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof(INPUT));
    PumpMessages();
}

}  // namespace

TestParent::TestParent(int width, int height) {
    Open(width, height);
    WindowDc dc(m_hWnd);
    background_.Create(dc.Get(), width, height);
    SkinStretcher().PaintSkin(background_, IDB_BACKGROUND);
    InvalidateRect(m_hWnd, nullptr, FALSE);
    PumpMessages(0);
}

TestParent::TestParent(int width, int height, COLORREF colour) {
    Open(width, height);
    WindowDc dc(m_hWnd);
    background_.Create(dc.Get(), width, height);
    const GdiBrush brush(CreateSolidBrush(colour));
    const RECT all{0, 0, width, height};
    FillRect(background_.Dc(), &all, brush.Get());
    InvalidateRect(m_hWnd, nullptr, FALSE);
    PumpMessages(0);
}

void TestParent::Open(int width, int height) {
    EXPECT_TRUE(Create(WS_POPUP | WS_VISIBLE, {0, 0, width, height}));
}

const MessageMap<TestParent>& TestParent::Messages() {
    auto recorder = [](UINT message) {
        return MessageMap<TestParent>::Entry{message, 0, 0xFFFF, 0,
                                             [message](TestParent& self, WPARAM w, LPARAM l, LRESULT& result) {
                                                 result = 0;
                                                 return self.Record(message, w, l);
                                             }};
    };
    static const MessageMap<TestParent> map{
        OnMessage(WM_PAINT, &TestParent::OnPaint),
        OnMessage(WM_ERASEBKGND, &TestParent::OnEraseBackground),
        recorder(WM_COMMAND),
        recorder(WM_LBUTTONDOWN),
        recorder(WM_LBUTTONUP),
        recorder(WM_MOUSEMOVE),
    };
    return map;
}

bool TestParent::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Messages().Dispatch(*this, message, wParam, lParam, result);
}

bool TestParent::Record(UINT message, WPARAM wParam, LPARAM lParam) {
    received.push_back({message, wParam, lParam});
    if (message == WM_COMMAND && onCommand) onCommand(wParam, commandContext);
    return true;
}

std::vector<TestParent::Received> TestParent::Commands() const {
    std::vector<Received> commands;
    for (const Received& r : received)
        if (r.message == WM_COMMAND) commands.push_back(r);
    return commands;
}

LRESULT TestParent::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    BeginPaint(m_hWnd, &ps);
    BitBlt(ps.hdc, 0, 0, background_.Width(), background_.Height(), background_.Dc(), 0, 0, SRCCOPY);
    EndPaint(m_hWnd, &ps);
    return 0;
}

void PumpMessages(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (milliseconds > 0) Sleep(5);
    } while (GetTickCount64() < end);
}

void MouseMoveTo(int x, int y) {
    SendMouse(x, y, 0);
}
void MouseDown(int x, int y) {
    SendMouse(x, y, MOUSEEVENTF_LEFTDOWN);
}
void MouseUp(int x, int y) {
    SendMouse(x, y, MOUSEEVENTF_LEFTUP);
}

PixelImage CaptureWindow(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    WindowDc dc(hwnd);
    MemoryCanvas canvas;
    canvas.Create(dc.Get(), client.right, client.bottom);
    BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    PixelImage image = CanvasPixels(canvas);
    for (Argb& p : image.pixels) p &= 0xFFFFFF;
    return image;
}

PixelImage CanvasPixels(MemoryCanvas& canvas) {
    const PixelSpan span = canvas.Pixels();
    PixelImage image(span.width, span.height);
    if (span.pixels) std::memcpy(image.pixels.data(), span.pixels, image.pixels.size() * sizeof(Argb));
    return image;
}

SkinBox DifferenceBox(const PixelImage& a, const PixelImage& b) {
    SkinBox box{a.width, a.height, 0, 0};
    for (int y = 0; y < std::min(a.height, b.height); ++y)
        for (int x = 0; x < std::min(a.width, b.width); ++x)
            if (a.At(x, y) != b.At(x, y)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

TextInk MeasureInk(const std::wstring& text, HFONT font) {
    MemoryDc dc(nullptr);
    SelectedObject selectedFont(dc.Get(), font);
    RECT cell{};
    DrawTextW(dc.Get(), text.c_str(), -1, &cell, DT_CALCRECT);
    MemoryCanvas canvas;
    canvas.Create(dc.Get(), cell.right, cell.bottom);
    const PixelImage blank = CanvasPixels(canvas);
    {
        SelectedObject canvasFont(canvas.Dc(), font);
        SetTextColor(canvas.Dc(), RGB(255, 255, 255));
        SetBkMode(canvas.Dc(), TRANSPARENT);
        DrawTextW(canvas.Dc(), text.c_str(), -1, &cell, 0);
    }
    PixelImage drawn = CanvasPixels(canvas);
    for (Argb& p : drawn.pixels) p &= 0xFFFFFF;
    return {cell.right, cell.bottom, DifferenceBox(drawn, blank)};
}

bool SameColour(Argb a, Argb b, int tolerance) {
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}
