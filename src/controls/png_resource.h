#pragma once
// PNG images compiled into the program as resources of type "PNG", decoded by GDI+.

#include <windows.h>
// GDI+ needs the COM declarations first.
#include <objidl.h>

#include <gdiplus.h>

#include "controls/skin_layout.h"

// Owns one decoded GDI+ bitmap.
class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
    virtual ~CGdiPlusBitmap() { Reset(); }

    Gdiplus::GpBitmap* Get() const { return bitmap_; }
    bool IsEmpty() const { return bitmap_ == nullptr; }
    int Width() const;
    int Height() const;
    // All pixels, straight alpha (GDI+ converts every source format to 32-bit ARGB); an
    // empty picture when there is no bitmap or its pixels cannot be read.
    PixelImage ReadPixels() const;

protected:
    void Reset(Gdiplus::GpBitmap* bitmap = nullptr);

private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};

// A bitmap decoded from a "PNG" resource of the program. GDI+ reads the pixels from a stream
// over a copy of the resource bytes whenever it needs them, so that copy lives (locked) as
// long as the bitmap does.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    ~CGdiPlusBitmapResource() override { Empty(); }

    // Loads and decodes PNG resource id, replacing what was held. False, and empty, when the
    // resource is missing or empty or does not decode.
    bool LoadPng(UINT id);

private:
    void Empty();
    HGLOBAL buffer_ = nullptr;
};
