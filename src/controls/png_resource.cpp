#include "controls/png_resource.h"

#include <cstring>

using namespace Gdiplus;

int CGdiPlusBitmap::Width() const {
    UINT width = 0;
    if (bitmap_) DllExports::GdipGetImageWidth(bitmap_, &width);
    return static_cast<int>(width);
}

int CGdiPlusBitmap::Height() const {
    UINT height = 0;
    if (bitmap_) DllExports::GdipGetImageHeight(bitmap_, &height);
    return static_cast<int>(height);
}

PixelImage CGdiPlusBitmap::ReadPixels() const {
    const int width = Width(), height = Height();
    if (width <= 0 || height <= 0) return {};
    const GpRect rect{0, 0, width, height};
    BitmapData data{};
    if (DllExports::GdipBitmapLockBits(bitmap_, &rect, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return {};
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(&image.At(0, y), static_cast<const BYTE*>(data.Scan0) + static_cast<INT_PTR>(y) * data.Stride,
                    static_cast<std::size_t>(width) * sizeof(Argb));
    DllExports::GdipBitmapUnlockBits(bitmap_, &data);
    return image;
}

void CGdiPlusBitmap::Reset(GpBitmap* bitmap) {
    if (bitmap_) DllExports::GdipDisposeImage(bitmap_);
    bitmap_ = bitmap;
}

void CGdiPlusBitmapResource::Empty() {
    Reset();  // the bitmap first: it reads from the block
    if (buffer_) {
        GlobalUnlock(buffer_);
        GlobalFree(buffer_);
        buffer_ = nullptr;
    }
}

bool CGdiPlusBitmapResource::LoadPng(UINT id) {
    Empty();
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!resource) return false;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (size == 0 || !bytes) return false;

    HGLOBAL buffer = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!buffer) return false;
    void* copy = GlobalLock(buffer);
    if (!copy) {
        GlobalFree(buffer);
        return false;
    }
    std::memcpy(copy, bytes, size);

    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(buffer, FALSE, &stream))) {
        GlobalUnlock(buffer);
        GlobalFree(buffer);
        return false;
    }
    GpBitmap* bitmap = nullptr;
    const GpStatus status = DllExports::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();
    if (status != Ok) {
        if (bitmap) DllExports::GdipDisposeImage(bitmap);
        GlobalUnlock(buffer);
        GlobalFree(buffer);
        return false;
    }
    Reset(bitmap);
    buffer_ = buffer;
    return true;
}
