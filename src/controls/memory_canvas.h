#pragma once
// An off-screen drawing surface: a memory drawing context with its own bitmap selected.
//
// The bitmap is a 32-bit top-down DIB section rather than a bitmap compatible with the
// screen: a compatible bitmap has no alpha channel one can rely on, and the skins keep their
// transparent and half-transparent pixels (premultiplied, as AlphaBlend wants them) until
// they are composited over the parent's background. A new canvas is black and fully
// transparent.

#include <windows.h>

#include "controls/skin_layout.h"

class MemoryCanvas {
public:
    MemoryCanvas() = default;
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() { Release(); }

    // Makes the surface, with a drawing context compatible with reference. False, leaving the
    // canvas as it was, when it exists already or cannot be made.
    bool Create(HDC reference, int width, int height);
    // Frees the surface (the previous object goes back into the context first).
    void Release();

    bool IsCreated() const { return dc_ != nullptr; }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixels, premultiplied 0xAARRGGBB, rows top-down. Flushes pending GDI drawing first.
    PixelSpan Pixels();

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Argb* bits_ = nullptr;
};

// A 32-bit top-down DIB section of the given size; bits receives its pixels.
HBITMAP CreateCanvasBitmap(HDC reference, int width, int height, Argb** bits);
