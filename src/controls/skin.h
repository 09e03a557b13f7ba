#pragma once
// Painting the skin images onto canvases, and anti-aliased text with per-pixel alpha.

#include <windows.h>

#include <string>
#include <vector>

#include "controls/memory_canvas.h"
#include "ui/gdi.h"

// The caption of a skinned control. Labels use only the normal colour.
struct SkinTextStyle {
    std::wstring text;
    COLORREF normal = 0;
    COLORREF hover = 0;
    COLORREF pressed = 0;  // also the selected state
    int fontHeight = 0;    // pixels
    int alignment = 0;     // 0: top-left of its box; 1: centred
};

// Paints marked skin images (see skin_layout.h) stretched onto canvases, with block copies
// only: one-pixel stretch columns and rows are replicated by StretchBlt, everything else is
// copied by BitBlt, so a skin of any size costs a handful of copies. Keeps what the last
// PaintSkin found. A caller makes one for a batch of skins (all the images of a button).
class SkinStretcher {
public:
    // Fills the whole canvas with image pngId stretched to the canvas size; content, when
    // given, receives the box where text belongs (canvas coordinates). Does nothing on a
    // canvas that is not created or an image that does not load.
    void PaintSkin(MemoryCanvas& canvas, UINT pngId, RECT* content = nullptr);

    const std::vector<int>& BandWidths() const { return bandWidths_; }
    const std::vector<int>& BandHeights() const { return bandHeights_; }
    const std::vector<int>& StretchColumns() const { return stretchColumns_; }
    const std::vector<int>& StretchRows() const { return stretchRows_; }

private:
    std::vector<int> bandWidths_, bandHeights_, stretchColumns_, stretchRows_;
};

// Draws image pngId unscaled over the canvas at its origin, whatever the canvas size.
void DrawPngNatural(MemoryCanvas& canvas, UINT pngId);

// The text in the given colour as a 32-bit premultiplied-alpha bitmap as large as the text
// measures (bottom-up rows); none for an empty text or one that measures empty.
GdiBitmap RenderTextBitmap(const std::wstring& text, HFONT font, COLORREF colour);

// Renders the text and composites it into box of the canvas: centred vertically; at the
// left edge (alignment 0) or centred (alignment 1).
void BlendText(MemoryCanvas& canvas, const std::wstring& text, HFONT font, const RECT& box, COLORREF colour,
               int alignment);

// Composites a whole premultiplied canvas over target at (x, y).
void BlendCanvas(HDC target, int x, int y, const MemoryCanvas& source);

// The caption font of skinned buttons: Tahoma, bold, height pixels.
GdiFont CreateSkinFont(int height);
