#include "controls/skin.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "controls/png_resource.h"
#include "controls/text_layout.h"

namespace {

PixelImage LoadPixels(UINT pngId) {
    CGdiPlusBitmapResource png;
    if (!png.LoadPng(pngId)) return {};
    return png.ReadPixels();
}

// Runs a stretch plan from one canvas to another with block copies.
void RunPlan(Axis axis, const AxisPlan& plan, const MemoryCanvas& from, MemoryCanvas& to) {
    SetStretchBltMode(to.Dc(), COLORONCOLOR);
    const bool columns = axis == Axis::Columns;
    const int across = columns ? std::min(from.Height(), to.Height()) : std::min(from.Width(), to.Width());
    for (const StretchSpan& s : plan.spans) {
        const int x = columns ? s.dest : 0, y = columns ? 0 : s.dest;
        const int w = columns ? s.destLength : across, h = columns ? across : s.destLength;
        const int sx = columns ? s.source : 0, sy = columns ? 0 : s.source;
        if (s.sourceLength == s.destLength)
            BitBlt(to.Dc(), x, y, w, h, from.Dc(), sx, sy, SRCCOPY);
        else
            StretchBlt(to.Dc(), x, y, w, h, from.Dc(), sx, sy, columns ? s.sourceLength : across,
                       columns ? across : s.sourceLength, SRCCOPY);
    }
}

}  // namespace

void SkinStretcher::PaintSkin(MemoryCanvas& canvas, UINT pngId, RECT* content) {
    if (!canvas.IsCreated()) return;
    bandWidths_.clear();
    bandHeights_.clear();
    stretchColumns_.clear();
    stretchRows_.clear();
    const PixelImage image = LoadPixels(pngId);
    if (image.width < 2 || image.height < 2) return;

    const int width = canvas.Width(), height = canvas.Height();
    const SkinLayout layout = LayoutSkin(image, width, height);
    stretchColumns_ = layout.markers.stretchColumns;
    stretchRows_ = layout.markers.stretchRows;

    // The inner picture, then widened, then heightened; each one pixel larger than the
    // target, so the content-run markers of the right column and bottom row fall outside it.
    MemoryCanvas inner, wide, full;
    if (!inner.Create(canvas.Dc(), image.width - 1, image.height - 1) ||
        !wide.Create(canvas.Dc(), width + 1, image.height - 1) || !full.Create(canvas.Dc(), width + 1, height + 1))
        return;
    const PixelImage picture = InnerPicture(image);
    std::memcpy(inner.Pixels().pixels, picture.pixels.data(), picture.pixels.size() * sizeof(Argb));
    RunPlan(Axis::Columns, layout.columns, inner, wide);
    RunPlan(Axis::Rows, layout.rows, wide, full);
    BitBlt(canvas.Dc(), 0, 0, width, height, full.Dc(), 0, 0, SRCCOPY);

    bandWidths_ = layout.columns.bands;
    bandHeights_ = layout.rows.bands;
    if (content) *content = {layout.content.left, layout.content.top, layout.content.right, layout.content.bottom};
}

void DrawPngNatural(MemoryCanvas& canvas, UINT pngId) {
    if (!canvas.IsCreated()) return;
    const PixelImage image = LoadPixels(pngId);
    if (!image.pixels.empty()) DrawOver(canvas.Pixels(), image);
}

GdiBitmap RenderTextBitmap(const std::wstring& text, HFONT font, COLORREF colour) {
    if (text.empty()) return {};
    MemoryDc dc(nullptr);
    if (!dc.Get()) return {};
    SelectedObject selectedFont(dc.Get(), font);
    RECT rect{};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return {};
    {
        SelectedObject selectedBitmap(dc.Get(), bitmap.Get());
        // White on black: the blue channel is then the coverage of each pixel.
        SetTextColor(dc.Get(), RGB(255, 255, 255));
        SetBkColor(dc.Get(), RGB(0, 0, 0));
        SetBkMode(dc.Get(), OPAQUE);
        DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_NOCLIP);
        GdiFlush();
    }
    auto* pixels = static_cast<Argb*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = TextPixel(GetRValue(colour), GetGValue(colour), GetBValue(colour), BlueOf(pixels[i]));
    return bitmap;
}

void BlendText(MemoryCanvas& canvas, const std::wstring& text, HFONT font, const RECT& box, COLORREF colour,
               int alignment) {
    if (!canvas.IsCreated()) return;
    const GdiBitmap bitmap = RenderTextBitmap(text, font, colour);
    if (!bitmap) return;
    BITMAP info{};
    GetObjectW(bitmap.Get(), sizeof(info), &info);
    const int width = info.bmWidth, height = std::abs(info.bmHeight);
    const TextOffset offset = BlendTextOffset(box.right - box.left, box.bottom - box.top, width, height, alignment);
    MemoryDc source(canvas.Dc());
    SelectedObject selected(source.Get(), bitmap.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(canvas.Dc(), box.left + offset.dx, box.top + offset.dy, width, height, source.Get(), 0, 0, width,
                  height, blend);
}

// GdiAlphaBlend is the gdi32 entry AlphaBlend forwards to. Calling it directly keeps
// msimg32.dll out of the imports: it is not a known system DLL, and the program runs
// elevated from a folder the user can write to, where a planted copy would be loaded.
void BlendCanvas(HDC target, int x, int y, const MemoryCanvas& source) {
    if (!source.IsCreated()) return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(target, x, y, source.Width(), source.Height(), source.Dc(), 0, 0, source.Width(), source.Height(),
                  blend);
}

GdiFont CreateSkinFont(int height) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(font.lfFaceName, L"Tahoma");
    return GdiFont(CreateFontIndirectW(&font));
}
