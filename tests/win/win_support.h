#pragma once
// What the window tests share: GDI+ for the whole test program, a parent window of our
// own that shows a background and records what its children tell it, real mouse input,
// and reading drawn pixels back.

#include <windows.h>

#include <string>
#include <vector>

#include "controls/memory_canvas.h"
#include "controls/skin_layout.h"
#include "ui/gdi.h"
#include "ui/window.h"

// A borderless top-level window at the screen origin, painted from its background canvas.
class TestParent final : public CWnd {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    // The background 501 stretched to the size, as the main window has it.
    explicit TestParent(int width = 722, int height = 587);
    // A solid background.
    TestParent(int width, int height, COLORREF colour);

    MemoryCanvas& Background() { return background_; }
    std::vector<Received> received;
    // Called as each WM_COMMAND arrives.
    void (*onCommand)(WPARAM wParam, void* context) = nullptr;
    void* commandContext = nullptr;

    std::vector<Received> Commands() const;

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageMap<TestParent>& Messages();
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    bool Record(UINT message, WPARAM wParam, LPARAM lParam);
    void Open(int width, int height);

    MemoryCanvas background_;
};

// Dispatches everything queued, for at least the given time (input from SendInput reaches
// the queue through the server a moment later).
void PumpMessages(int milliseconds = 60);
// Dispatches messages until done() holds, for at most the given time; returns done(). Some
// notifications come from timers: Wine checks for a mouse that left a tracked window every
// hover time (400 ms).
template <class Done>
bool PumpUntil(Done done, int milliseconds = 3000) {
    for (int waited = 0; !done() && waited < milliseconds; waited += 20) PumpMessages(20);
    return done();
}

// Real mouse input at a point of the screen (the test windows sit at the screen origin, so
// these are also the parent's client coordinates).
void MouseMoveTo(int x, int y);
void MouseDown(int x, int y);
void MouseUp(int x, int y);

// What a window shows on screen (red, green, blue; alpha cleared).
PixelImage CaptureWindow(HWND hwnd);
// The pixels of a canvas, alpha kept.
PixelImage CanvasPixels(MemoryCanvas& canvas);

// The bounding box of the pixels that differ between two pictures of the same size;
// empty (right <= left) when there is none.
SkinBox DifferenceBox(const PixelImage& a, const PixelImage& b);

// How DrawTextW lays out one text in a font: the size of its cell (DT_CALCRECT) and where
// inside that cell the ink lies.
struct TextInk {
    int cellWidth, cellHeight;
    SkinBox ink;
};
TextInk MeasureInk(const std::wstring& text, HFONT font);

bool SameColour(Argb a, Argb b, int tolerance);
