#include "controls/skin_layout.h"

#include <algorithm>

namespace {

int Scale(int channel, int alpha) {
    return (channel * alpha + 127) / 255;
}

// The content-run scan: the first black pixel starts the run, the first white pixel after it
// ends it. A run that meets no white pixel goes on to the last pixel.
MarkerRun ScanRun(const PixelImage& image, int x0, int y0, int dx, int dy, int count) {
    MarkerRun run;
    for (int i = 0; i < count; ++i) {
        const Argb p = image.At(x0 + i * dx, y0 + i * dy);
        if (run.start < 0) {
            if (IsMarkerBlack(p)) run.start = i;
        } else if (IsMarkerWhite(p)) {
            run.end = i - 1;
            return run;
        }
    }
    if (run.start >= 0) run.end = count - 1;
    return run;
}

// One axis of the content box: the run, grown by the bands of the stretches inside it.
void ContentSpan(const MarkerRun& run, const std::vector<int>& stretches, const AxisPlan& plan, int whole, int& low,
                 int& high) {
    if (run.start < 0) {
        low = 0;
        high = whole;
        return;
    }
    int size = run.end - run.start + 1;
    if (!stretches.empty() && stretches.size() == plan.bands.size())
        for (std::size_t i = 0; i < stretches.size(); ++i)
            if (run.start <= stretches[i] + 1 && stretches[i] + 1 <= run.end) size += plan.bands[i];
    low = run.start;
    high = run.start + size;
}

}  // namespace

Argb Premultiply(Argb p) {
    const int a = AlphaOf(p);
    return MakeArgb(a, Scale(RedOf(p), a), Scale(GreenOf(p), a), Scale(BlueOf(p), a));
}

Argb BlendOver(Argb destination, Argb source) {
    const int keep = 255 - AlphaOf(source);
    auto channel = [&](int shift) {
        const int s = static_cast<int>((source >> shift) & 0xFF), d = static_cast<int>((destination >> shift) & 0xFF);
        return std::min(255, s + Scale(d, keep));
    };
    return MakeArgb(channel(24), channel(16), channel(8), channel(0));
}

PixelImage::PixelImage(int w, int h, Argb fill)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(static_cast<std::size_t>(width) * height, fill) {}

SkinMarkers ScanMarkers(const PixelImage& image) {
    SkinMarkers markers;
    if (image.width < 1 || image.height < 1) return markers;
    // The corner pixel would name column (row) -1, which is no part of the picture.
    for (int x = 1; x < image.width; ++x)
        if (IsMarkerBlack(image.At(x, 0))) markers.stretchColumns.push_back(x - 1);
    for (int y = 1; y < image.height; ++y)
        if (IsMarkerBlack(image.At(0, y))) markers.stretchRows.push_back(y - 1);
    markers.rows = ScanRun(image, image.width - 1, 0, 0, 1, image.height);
    markers.columns = ScanRun(image, 0, image.height - 1, 1, 0, image.width);
    return markers;
}

AxisPlan PlanStretch(Axis axis, const std::vector<int>& stretches, int source, int dest) {
    AxisPlan plan;
    const int count = static_cast<int>(stretches.size());
    if (count == 0 || (axis == Axis::Rows && source == dest)) {
        const int length = std::min(source, dest);
        if (length > 0) plan.spans.push_back({0, length, 0, length});
        return plan;
    }
    const int free = dest - (source - count);
    int from = 0, at = 0;
    for (int i = 0; i < count; ++i) {
        const int stretch = stretches[i];
        if (stretch > from) {
            plan.spans.push_back({from, stretch - from, at, stretch - from});
            at += stretch - from;
        }
        const int band = free <= 0 ? 0 : free / count + (i < free % count ? 1 : 0);
        if (band > 0) plan.spans.push_back({stretch, 1, at, band});
        plan.bands.push_back(band);
        at += band;
        from = stretch + 1;
    }
    if (from < source) plan.spans.push_back({from, source - from, at, source - from});
    return plan;
}

SkinBox ContentBox(const SkinMarkers& markers, const AxisPlan& columns, const AxisPlan& rows, int targetWidth,
                   int targetHeight) {
    SkinBox box;
    ContentSpan(markers.columns, markers.stretchColumns, columns, targetWidth, box.left, box.right);
    ContentSpan(markers.rows, markers.stretchRows, rows, targetHeight, box.top, box.bottom);
    return box;
}

SkinLayout LayoutSkin(const PixelImage& image, int targetWidth, int targetHeight) {
    SkinLayout layout;
    layout.markers = ScanMarkers(image);
    layout.columns = PlanStretch(Axis::Columns, layout.markers.stretchColumns, image.width - 1, targetWidth + 1);
    layout.rows = PlanStretch(Axis::Rows, layout.markers.stretchRows, image.height - 1, targetHeight + 1);
    layout.content = ContentBox(layout.markers, layout.columns, layout.rows, targetWidth, targetHeight);
    return layout;
}

void ApplyPlan(Axis axis, const AxisPlan& plan, const PixelImage& source, PixelImage& destination) {
    const bool columns = axis == Axis::Columns;
    const int sourceEnd = columns ? source.width : source.height;
    const int destEnd = columns ? destination.width : destination.height;
    const int across =
        columns ? std::min(source.height, destination.height) : std::min(source.width, destination.width);
    for (const StretchSpan& span : plan.spans) {
        for (int i = 0; i < span.destLength; ++i) {
            const int to = span.dest + i;
            const int from =
                span.source + static_cast<int>(static_cast<long long>(i) * span.sourceLength / span.destLength);
            if (to < 0 || to >= destEnd || from < 0 || from >= sourceEnd) continue;
            for (int j = 0; j < across; ++j) {
                if (columns)
                    destination.At(to, j) = source.At(from, j);
                else
                    destination.At(j, to) = source.At(j, from);
            }
        }
    }
}

PixelImage InnerPicture(const PixelImage& image) {
    PixelImage inner(image.width - 1, image.height - 1);
    for (int y = 0; y < inner.height; ++y)
        for (int x = 0; x < inner.width; ++x) inner.At(x, y) = Premultiply(image.At(x + 1, y + 1));
    return inner;
}

PixelImage PaintSkinPixels(const PixelImage& image, int targetWidth, int targetHeight, SkinLayout* layoutOut) {
    PixelImage target(targetWidth, targetHeight);
    const SkinLayout layout = LayoutSkin(image, targetWidth, targetHeight);
    if (layoutOut) *layoutOut = layout;
    if (image.width < 1 || image.height < 1) return target;

    const PixelImage inner = InnerPicture(image);
    PixelImage wide(targetWidth + 1, inner.height);
    ApplyPlan(Axis::Columns, layout.columns, inner, wide);
    PixelImage full(targetWidth + 1, targetHeight + 1);
    ApplyPlan(Axis::Rows, layout.rows, wide, full);
    for (int y = 0; y < target.height; ++y)
        for (int x = 0; x < target.width; ++x) target.At(x, y) = full.At(x, y);
    return target;
}

void DrawOver(PixelSpan destination, const PixelImage& image) {
    const int width = std::min(destination.width, image.width), height = std::min(destination.height, image.height);
    for (int y = 0; y < height; ++y) {
        Argb* row = destination.pixels + static_cast<std::size_t>(y) * destination.width;
        for (int x = 0; x < width; ++x) row[x] = BlendOver(row[x], Premultiply(image.At(x, y)));
    }
}
