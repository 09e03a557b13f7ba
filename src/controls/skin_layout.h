#pragma once
// The rules of marked skin images, as integer arithmetic over pixel arrays.
//
// A marked skin image carries its stretching instructions in its outermost one-pixel
// frame: a black pixel in the top row at x makes inner column x - 1 a stretch column
// (replicated to widen the picture), a black pixel in the left column at y makes inner row
// y - 1 a stretch row, and the black runs in the right column and the bottom row mark
// where a control puts its text. "Inner" is the image without its top row and left column.
//
// The Windows painter (skin.h) runs the same plans with BitBlt and StretchBlt; PaintSkinPixels
// runs them over plain arrays, so the rules are tested without a window system.

#include <cstdint>
#include <vector>

// 0xAARRGGBB, the order of GDI+ pixels and of 32-bit DIB sections in memory.
using Argb = std::uint32_t;

constexpr int AlphaOf(Argb p) {
    return static_cast<int>(p >> 24);
}
constexpr int RedOf(Argb p) {
    return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int GreenOf(Argb p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int BlueOf(Argb p) {
    return static_cast<int>(p & 0xFF);
}
constexpr Argb MakeArgb(int a, int r, int g, int b) {
    return (static_cast<Argb>(a) << 24) | (static_cast<Argb>(r) << 16) | (static_cast<Argb>(g) << 8) |
           static_cast<Argb>(b);
}

// Alpha plays no part in the marker tests: a transparent black pixel is still a marker.
constexpr bool IsMarkerBlack(Argb p) {
    return (p & 0xFFFFFF) == 0;
}
constexpr bool IsMarkerWhite(Argb p) {
    return (p & 0xFFFFFF) == 0xFFFFFF;
}

// Straight alpha to premultiplied alpha (what AlphaBlend wants), rounded.
Argb Premultiply(Argb straight);
// Source-over of two premultiplied pixels.
Argb BlendOver(Argb destination, Argb source);

// A width x height picture, rows top-down.
struct PixelImage {
    int width = 0, height = 0;
    std::vector<Argb> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, Argb fill = 0);
    Argb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Argb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const PixelImage&) const = default;
};

// Pixels somebody else owns (a DIB section), rows top-down, width pixels per row.
struct PixelSpan {
    Argb* pixels = nullptr;
    int width = 0, height = 0;
};

struct SkinBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const SkinBox&) const = default;
};

// A content run: first and last pixel, inclusive; start -1 when there is none.
struct MarkerRun {
    int start = -1, end = -1;
    bool operator==(const MarkerRun&) const = default;
};

struct SkinMarkers {
    std::vector<int> stretchColumns, stretchRows;  // inner coordinates, ascending
    MarkerRun rows;                                // black run of the right column
    MarkerRun columns;                             // black run of the bottom row
};

SkinMarkers ScanMarkers(const PixelImage& image);

// One block copy of a stretch: sourceLength pixels from source to destLength pixels at dest.
// Equal lengths copy; a one-pixel source with another length replicates that pixel.
struct StretchSpan {
    int source, sourceLength, dest, destLength;
    bool operator==(const StretchSpan&) const = default;
};

struct AxisPlan {
    std::vector<StretchSpan> spans;
    std::vector<int> bands;  // the size each stretch column (or row) was widened to, in order
};

enum class Axis { Columns, Rows };

// How a source of `source` pixels (the inner picture) is laid out over `dest` pixels.
// Every stretch column or row becomes a band; the parts before, between and after the bands
// are copied once at their natural size. The bands share what the fixed parts leave free,
// equally, the leading bands taking one pixel more each when it does not divide evenly;
// so the last fixed part always ends at the far edge. One band of k = dest - source + 1
// is the common case. Rows of a source as high as the destination are copied unchanged and
// record no band (columns always record theirs). A destination too small for the fixed parts
// gets empty bands and loses its far end.
AxisPlan PlanStretch(Axis axis, const std::vector<int>& stretches, int source, int dest);

// The box where a control draws its text, in target coordinates. The run positions of the
// full image are used as they are (the marker frame is not subtracted), grown by the bands
// whose stretch column or row falls inside the run. An axis without a content run gets the
// whole target.
SkinBox ContentBox(const SkinMarkers& markers, const AxisPlan& columns, const AxisPlan& rows, int targetWidth,
                   int targetHeight);

struct SkinLayout {
    SkinMarkers markers;
    AxisPlan columns;  // inner picture (W - 1 wide) onto targetWidth + 1
    AxisPlan rows;     // inner picture (H - 1 high) onto targetHeight + 1
    SkinBox content;
};

// The destinations are one pixel larger than the target: the right column and bottom row
// of the inner picture are the content-run markers and land there, outside the target.
SkinLayout LayoutSkin(const PixelImage& image, int targetWidth, int targetHeight);

// Runs the column plan (or the row plan) from source to destination, clipped to both.
void ApplyPlan(Axis axis, const AxisPlan& plan, const PixelImage& source, PixelImage& destination);

// The inner picture, premultiplied.
PixelImage InnerPicture(const PixelImage& image);

// The whole painting over arrays: the marked image (straight alpha) stretched onto a
// targetWidth x targetHeight premultiplied picture.
PixelImage PaintSkinPixels(const PixelImage& image, int targetWidth, int targetHeight, SkinLayout* layout = nullptr);

// Draws image (straight alpha) over destination (premultiplied) with its top-left corner at
// the origin, clipped to the destination.
void DrawOver(PixelSpan destination, const PixelImage& image);
