// Canvases, the skin painter and the text helpers against real GDI and GDI+, read back pixel
// by pixel.
#include <gtest/gtest.h>

#include "controls/png_resource.h"
#include "controls/skin.h"
#include "controls/text_layout.h"
#include "resource.h"
#include "win/win_support.h"

namespace {

PixelImage Decode(UINT id) {
    CGdiPlusBitmapResource png;
    png.LoadPng(id);
    return png.ReadPixels();
}

struct ScreenCanvas : MemoryCanvas {
    ScreenCanvas(int width, int height) {
        WindowDc screen(nullptr);
        EXPECT_TRUE(Create(screen.Get(), width, height));
    }
};

void Fill(MemoryCanvas& canvas, Argb colour) {
    const PixelSpan span = canvas.Pixels();
    std::fill(span.pixels, span.pixels + span.width * span.height, colour);
}

}  // namespace

TEST(MemoryCanvas, StartsTransparentAndIsCreatedOnce) {
    WindowDc screen(nullptr);
    MemoryCanvas canvas;
    EXPECT_FALSE(canvas.IsCreated());
    ASSERT_TRUE(canvas.Create(screen.Get(), 30, 20));
    EXPECT_EQ(canvas.Width(), 30);
    EXPECT_EQ(canvas.Height(), 20);
    for (Argb p : CanvasPixels(canvas).pixels) ASSERT_EQ(p, 0u);

    Fill(canvas, 0xFF102030);
    EXPECT_FALSE(canvas.Create(screen.Get(), 5, 5));
    EXPECT_EQ(canvas.Width(), 30);
    EXPECT_EQ(CanvasPixels(canvas).At(29, 19), 0xFF102030u);

    canvas.Release();
    EXPECT_FALSE(canvas.IsCreated());
    EXPECT_EQ(canvas.Width(), 0);
    EXPECT_FALSE(canvas.Create(screen.Get(), 0, 10));
    EXPECT_FALSE(canvas.IsCreated());
}

TEST(PaintSkin, GdiCopiesGiveThePortablePaintingPixelForPixel) {
    struct Case {
        std::vector<UINT> ids;
        int width, height;
        std::vector<int> bandWidths, bandHeights;
        RECT content;
    };
    const Case kCases[] = {
        {{143, 146, 147, 150, 151, 154}, 140, 37, {129}, {}, {6, 2, 136, 37}},
        {{161, 162, 163}, 221, 29, {209}, {}, {7, 3, 217, 28}},
        {{161, 162, 163}, 100, 29, {88}, {}, {7, 3, 96, 28}},
        {{175, 179}, 50, 15, {48}, {}, {2, 1, 51, 16}},
        {{501}, 722, 587, {696}, {489}, {2, 2, 723, 588}},
        {{143}, 12, 37, {1}, {}, {6, 2, 8, 37}},  // natural size
    };
    for (const Case& c : kCases)
        for (UINT id : c.ids) {
            ScreenCanvas canvas(c.width, c.height);
            SkinStretcher stretcher;
            RECT content{};
            stretcher.PaintSkin(canvas, id, &content);
            EXPECT_EQ(stretcher.BandWidths(), c.bandWidths) << id;
            EXPECT_EQ(stretcher.BandHeights(), c.bandHeights) << id;
            EXPECT_TRUE(EqualRect(&content, &c.content))
                << id << ": " << content.left << "," << content.top << "," << content.right << "," << content.bottom;
            // Half-transparent and transparent pixels keep their alpha through every copy.
            const PixelImage want = PaintSkinPixels(Decode(id), c.width, c.height);
            const PixelImage got = CanvasPixels(canvas);
            ASSERT_EQ(got.width, want.width);
            for (int y = 0; y < want.height; ++y)
                for (int x = 0; x < want.width; ++x)
                    ASSERT_EQ(got.At(x, y), want.At(x, y)) << id << " at " << x << "," << y << " onto " << c.width;
        }
}

TEST(PaintSkin, KeepsTheSkinsTransparency) {
    // The push button's rounded corner is all but transparent, its outline black at alpha 150.
    ScreenCanvas canvas(100, 29);
    SkinStretcher().PaintSkin(canvas, IDB_BUTTON_NORMAL);
    const PixelImage pixels = CanvasPixels(canvas);
    EXPECT_EQ(pixels.At(0, 0), 0x04000000u);
    EXPECT_EQ(pixels.At(0, 14), 0x96000000u);
    EXPECT_EQ(pixels.At(99, 14), 0x96000000u);
}

TEST(PaintSkin, DoesNothingWithoutACanvasOrAnImage) {
    MemoryCanvas uncreated;
    SkinStretcher stretcher;
    RECT content{1, 2, 3, 4};
    stretcher.PaintSkin(uncreated, IDB_BACKGROUND, &content);
    EXPECT_FALSE(uncreated.IsCreated());
    EXPECT_EQ(content.right, 3);

    ScreenCanvas canvas(20, 20);
    Fill(canvas, 0xFF445566);
    stretcher.PaintSkin(canvas, 999, &content);
    EXPECT_EQ(content.right, 3);
    for (Argb p : CanvasPixels(canvas).pixels) ASSERT_EQ(p, 0xFF445566u);
}

TEST(DrawPngNatural, DrawsUnscaledOverWhatIsThere) {
    const PixelImage image = Decode(IDB_MINIMIZE_NORMAL);
    const Argb ground = 0xFF204060;
    ScreenCanvas canvas(40, 30);
    Fill(canvas, ground);
    DrawPngNatural(canvas, IDB_MINIMIZE_NORMAL);
    const PixelImage pixels = CanvasPixels(canvas);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const Argb want = x < 29 && y < 26 ? BlendOver(ground, Premultiply(image.At(x, y))) : ground;
            ASSERT_EQ(pixels.At(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(pixels.At(0, 25), ground);  // the transparent corner

    // Onto a fresh canvas the image keeps its own alpha (premultiplied).
    ScreenCanvas fresh(29, 26);
    DrawPngNatural(fresh, IDB_MINIMIZE_NORMAL);
    EXPECT_EQ(CanvasPixels(fresh).At(0, 12), Premultiply(image.At(0, 12)));
    EXPECT_EQ(AlphaOf(CanvasPixels(fresh).At(0, 12)), 150);
}

TEST(AlphaBlend, AHalfTransparentEdgeShowsWhatIsBehindIt) {
    ScreenCanvas skin(100, 29);
    SkinStretcher().PaintSkin(skin, IDB_BUTTON_NORMAL);
    const PixelImage skinPixels = CanvasPixels(skin);
    const Argb ground = 0xFFC8A064;
    ScreenCanvas composite(100, 29);
    Fill(composite, ground);
    BlendCanvas(composite.Dc(), 0, 0, skin);
    const PixelImage pixels = CanvasPixels(composite);
    // Black at alpha 150 keeps 105/255 of the ground: a darker ground colour, not black.
    EXPECT_TRUE(SameColour(pixels.At(0, 14), MakeArgb(255, 0xC8 * 105 / 255, 0xA0 * 105 / 255, 0x64 * 105 / 255), 1))
        << std::hex << pixels.At(0, 14);
    // Everywhere: source-over of the skin's premultiplied pixels.
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_TRUE(SameColour(pixels.At(x, y), BlendOver(ground, skinPixels.At(x, y)), 1))
                << x << "," << y << ": " << std::hex << pixels.At(x, y);
}

TEST(RenderTextBitmap, PremultipliedTextAsLargeAsItMeasures) {
    const GdiFont font = CreateSkinFont(13);
    EXPECT_FALSE(RenderTextBitmap(L"", font.Get(), RGB(1, 2, 3)));

    const GdiBitmap bitmap = RenderTextBitmap(L"Save", font.Get(), RGB(214, 223, 233));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    GetObjectW(bitmap.Get(), sizeof(info), &info);
    const TextInk ink = MeasureInk(L"Save", font.Get());
    EXPECT_EQ(info.bmWidth, ink.cellWidth);
    EXPECT_EQ(info.bmHeight, ink.cellHeight);
    EXPECT_EQ(info.bmBitsPixel, 32);
    const auto* pixels = static_cast<const Argb*>(info.bmBits);
    int full = 0, partial = 0;
    for (int i = 0; i < info.bmWidth * info.bmHeight; ++i) {
        const Argb p = pixels[i];
        ASSERT_LE(RedOf(p), AlphaOf(p));
        ASSERT_LE(GreenOf(p), AlphaOf(p));
        ASSERT_LE(BlueOf(p), AlphaOf(p));
        if (AlphaOf(p) == 255) {
            EXPECT_EQ(p, MakeArgb(255, 214, 223, 233));
            ++full;
        } else if (AlphaOf(p) > 0) {
            ++partial;
        }
    }
    EXPECT_GT(full, 0);
}

TEST(BlendText, CentresVerticallyAndAlignsAcross) {
    const GdiFont font = CreateSkinFont(13);
    const std::wstring text = L"Dash cam setting";
    const TextInk ink = MeasureInk(text, font.Get());
    const RECT box{10, 5, 410, 25};
    for (int alignment : {0, 1}) {
        ScreenCanvas canvas(420, 30);
        Fill(canvas, 0xFF202224);
        const PixelImage before = CanvasPixels(canvas);
        BlendText(canvas, text, font.Get(), box, RGB(214, 223, 233), alignment);
        const SkinBox drawn = DifferenceBox(CanvasPixels(canvas), before);
        const TextOffset offset = BlendTextOffset(400, 20, ink.cellWidth, ink.cellHeight, alignment);
        EXPECT_EQ(drawn.left, box.left + offset.dx + ink.ink.left) << alignment;
        EXPECT_EQ(drawn.top, box.top + (20 - ink.cellHeight) / 2 + ink.ink.top) << alignment;
        EXPECT_EQ(drawn.bottom - drawn.top, ink.ink.bottom - ink.ink.top) << alignment;
    }
    // Nothing to draw: the canvas stays as it was.
    ScreenCanvas canvas(50, 20);
    Fill(canvas, 0xFF202224);
    BlendText(canvas, L"", font.Get(), {0, 0, 50, 20}, RGB(255, 255, 255), 1);
    for (Argb p : CanvasPixels(canvas).pixels) ASSERT_EQ(p, 0xFF202224u);
}
