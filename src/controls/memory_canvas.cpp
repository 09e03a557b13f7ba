#include "controls/memory_canvas.h"

HBITMAP CreateCanvasBitmap(HDC reference, int width, int height, Argb** bits) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = static_cast<Argb*>(pixels);
    return bitmap;
}

bool MemoryCanvas::Create(HDC reference, int width, int height) {
    if (dc_ || bitmap_) return false;
    HDC dc = CreateCompatibleDC(reference);
    if (!dc) return false;
    Argb* bits = nullptr;
    HBITMAP bitmap = CreateCanvasBitmap(reference, width, height, &bits);
    if (!bitmap) {
        DeleteDC(dc);
        return false;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    bits_ = bits;
    previous_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

void MemoryCanvas::Release() {
    if (!dc_) return;
    if (previous_) SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

PixelSpan MemoryCanvas::Pixels() {
    GdiFlush();
    return {bits_, width_, height_};
}
