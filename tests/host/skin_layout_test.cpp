#include "controls/skin_layout.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

constexpr Argb kMarker = 0xFF000000;       // opaque black
constexpr Argb kFrame = 0x00FFFFFF;        // transparent white
constexpr Argb kClearMarker = 0x00000000;  // transparent black: still a marker

// A picture pixel that says where it came from: red = inner x, green = inner y.
Argb Picture(int innerX, int innerY) {
    return MakeArgb(255, innerX, innerY, 99);
}

struct Frame {
    int width, height;
    std::vector<int> stretchX, stretchY;  // full-image positions of the stretch markers
    std::pair<int, int> rightRun, bottomRun;
};

PixelImage MarkedImage(const Frame& f, Argb marker = kMarker) {
    PixelImage image(f.width, f.height, kFrame);
    for (int y = 1; y < f.height - 1; ++y)
        for (int x = 1; x < f.width - 1; ++x) image.At(x, y) = Picture(x - 1, y - 1);
    for (int x : f.stretchX) image.At(x, 0) = marker;
    for (int y : f.stretchY) image.At(0, y) = marker;
    for (int y = f.rightRun.first; y <= f.rightRun.second; ++y) image.At(f.width - 1, y) = marker;
    for (int x = f.bottomRun.first; x <= f.bottomRun.second; ++x) image.At(x, f.height - 1) = marker;
    return image;
}

const Frame kTab{14, 39, {6}, {19}, {2, 36}, {6, 6}};
const Frame kPushButton{15, 31, {7}, {15}, {3, 27}, {7, 7}};
const Frame kBar{5, 17, {2}, {8}, {1, 15}, {2, 2}};
const Frame kBackground{29, 101, {14}, {42}, {2, 98}, {2, 26}};

}  // namespace

TEST(SkinMarkers, FindsTheShippedFrames) {
    const SkinMarkers tab = ScanMarkers(MarkedImage(kTab));
    EXPECT_EQ(tab.stretchColumns, std::vector<int>{5});
    EXPECT_EQ(tab.stretchRows, std::vector<int>{18});
    EXPECT_EQ(tab.rows, (MarkerRun{2, 36}));
    EXPECT_EQ(tab.columns, (MarkerRun{6, 6}));

    const SkinMarkers background = ScanMarkers(MarkedImage(kBackground));
    EXPECT_EQ(background.stretchColumns, std::vector<int>{13});
    EXPECT_EQ(background.stretchRows, std::vector<int>{41});
    EXPECT_EQ(background.rows, (MarkerRun{2, 98}));
    EXPECT_EQ(background.columns, (MarkerRun{2, 26}));
}

TEST(SkinMarkers, AlphaPlaysNoPartInBlackAndWhite) {
    struct Case {
        Argb pixel;
        bool black, white;
    };
    constexpr Case kCases[] = {
        {0xFF000000, true, false}, {0x00000000, true, false},  {0x80000000, true, false},  {0xFFFFFFFF, false, true},
        {0x00FFFFFF, false, true}, {0xFF010000, false, false}, {0xFFFEFFFF, false, false},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(IsMarkerBlack(c.pixel), c.black) << std::hex << c.pixel;
        EXPECT_EQ(IsMarkerWhite(c.pixel), c.white) << std::hex << c.pixel;
    }
    // A frame drawn in transparent black lays the skin out exactly like an opaque one.
    const SkinLayout opaque = LayoutSkin(MarkedImage(kTab), 140, 37);
    const SkinLayout clear = LayoutSkin(MarkedImage(kTab, kClearMarker), 140, 37);
    EXPECT_EQ(clear.markers.stretchColumns, opaque.markers.stretchColumns);
    EXPECT_EQ(clear.markers.stretchRows, opaque.markers.stretchRows);
    EXPECT_EQ(clear.content, opaque.content);
}

TEST(SkinMarkers, ARunEndsAtTheFirstWhitePixelOnly) {
    PixelImage image = MarkedImage(kTab);
    // A coloured pixel inside the right-column run does not end it; transparent white does.
    image.At(13, 10) = 0xFF808080;
    EXPECT_EQ(ScanMarkers(image).rows, (MarkerRun{2, 36}));
    image.At(13, 10) = 0x00FFFFFF;
    EXPECT_EQ(ScanMarkers(image).rows, (MarkerRun{2, 9}));
    image.At(13, 10) = 0xFFFFFFFF;
    EXPECT_EQ(ScanMarkers(image).rows, (MarkerRun{2, 9}));
}

TEST(SkinMarkers, RunsAtTheEdgesOfTheFrame) {
    // A run from the corner row 0 ends at its first white pixel like any other run, and a
    // run that meets no white pixel goes on to the last pixel of the frame.
    Frame fromCorner = kTab;
    fromCorner.rightRun = {0, 20};
    fromCorner.bottomRun = {0, 3};
    const SkinMarkers corner = ScanMarkers(MarkedImage(fromCorner));
    EXPECT_EQ(corner.rows, (MarkerRun{0, 20}));
    EXPECT_EQ(corner.columns, (MarkerRun{0, 3}));

    Frame toTheEnd = kTab;
    toTheEnd.rightRun = {30, 38};
    toTheEnd.bottomRun = {9, 13};
    const SkinMarkers end = ScanMarkers(MarkedImage(toTheEnd));
    EXPECT_EQ(end.rows, (MarkerRun{30, 38}));
    EXPECT_EQ(end.columns, (MarkerRun{9, 13}));

    // The top-left corner names no column or row of the picture.
    PixelImage image = MarkedImage(kTab);
    image.At(0, 0) = kMarker;
    EXPECT_EQ(ScanMarkers(image).stretchColumns, std::vector<int>{5});
    EXPECT_EQ(ScanMarkers(image).stretchRows, std::vector<int>{18});
}

TEST(SkinLayout, BandsAndContentBoxes) {
    struct Case {
        const char* name;
        Frame frame;
        int width, height;
        std::vector<int> bandWidths, bandHeights;
        SkinBox content;
    };
    const Case kCases[] = {
        {"tab", kTab, 140, 37, {129}, {}, {6, 2, 136, 37}},
        {"tab unscaled", kTab, 12, 37, {1}, {}, {6, 2, 8, 37}},
        {"wide push button", kPushButton, 221, 29, {209}, {}, {7, 3, 217, 28}},
        {"push button", kPushButton, 100, 29, {88}, {}, {7, 3, 96, 28}},
        {"bar", kBar, 50, 15, {48}, {}, {2, 1, 51, 16}},
        {"long bar", kBar, 450, 15, {448}, {}, {2, 1, 451, 16}},
        {"background", kBackground, 722, 587, {696}, {489}, {2, 2, 723, 588}},
        // Two stretch columns, one inside the bottom run (its band counts), one outside.
        {"two columns", {12, 8, {3, 8}, {}, {2, 5}, {3, 5}}, 20, 6, {6, 6}, {}, {3, 2, 12, 6}},
        // No content runs: the whole target.
        {"no runs", {12, 8, {3}, {4}, {1, 0}, {1, 0}}, 20, 9, {11}, {4}, {0, 0, 20, 9}},
        // A run from the corner pixel keeps its length. That corner is in the top row too, so
        // it also marks the last inner column as a second stretch column.
        {"run from row 0", {14, 39, {6}, {19}, {0, 20}, {6, 6}}, 140, 37, {65, 65}, {}, {6, 0, 72, 21}},
    };
    for (const Case& c : kCases) {
        const SkinLayout layout = LayoutSkin(MarkedImage(c.frame), c.width, c.height);
        EXPECT_EQ(layout.columns.bands, c.bandWidths) << c.name;
        EXPECT_EQ(layout.rows.bands, c.bandHeights) << c.name;
        EXPECT_EQ(layout.content, c.content) << c.name << ": " << layout.content.left << "," << layout.content.top
                                             << "," << layout.content.right << "," << layout.content.bottom;
    }
}

TEST(SkinLayout, PlansAreBlockCopiesThatFillTheDestination) {
    struct Case {
        const char* name;
        Axis axis;
        std::vector<int> stretches;
        int source, dest;
        std::vector<StretchSpan> spans;
        std::vector<int> bands;
    };
    const Case kCases[] = {
        {"one column", Axis::Columns, {5}, 13, 141, {{0, 5, 0, 5}, {5, 1, 5, 129}, {6, 7, 134, 7}}, {129}},
        {"no column", Axis::Columns, {}, 13, 141, {{0, 13, 0, 13}}, {}},
        {"no column, smaller", Axis::Columns, {}, 13, 9, {{0, 9, 0, 9}}, {}},
        {"column at natural size", Axis::Columns, {5}, 13, 13, {{0, 5, 0, 5}, {5, 1, 5, 1}, {6, 7, 6, 7}}, {1}},
        {"row at natural size", Axis::Rows, {18}, 38, 38, {{0, 38, 0, 38}}, {}},
        {"one row", Axis::Rows, {41}, 100, 588, {{0, 41, 0, 41}, {41, 1, 41, 489}, {42, 58, 530, 58}}, {489}},
        {"stretch at 0", Axis::Columns, {0}, 5, 9, {{0, 1, 0, 5}, {1, 4, 5, 4}}, {5}},
        {"two, even",
         Axis::Columns,
         {2, 6},
         10,
         20,
         {{0, 2, 0, 2}, {2, 1, 2, 6}, {3, 3, 8, 3}, {6, 1, 11, 6}, {7, 3, 17, 3}},
         {6, 6}},
        {"two, odd",
         Axis::Columns,
         {2, 6},
         10,
         21,
         {{0, 2, 0, 2}, {2, 1, 2, 7}, {3, 3, 9, 3}, {6, 1, 12, 6}, {7, 3, 18, 3}},
         {7, 6}},
        {"two rows",
         Axis::Rows,
         {2, 6},
         10,
         21,
         {{0, 2, 0, 2}, {2, 1, 2, 7}, {3, 3, 9, 3}, {6, 1, 12, 6}, {7, 3, 18, 3}},
         {7, 6}},
        {"three",
         Axis::Columns,
         {1, 4, 7},
         10,
         20,
         {{0, 1, 0, 1}, {1, 1, 1, 5}, {2, 2, 6, 2}, {4, 1, 8, 4}, {5, 2, 12, 2}, {7, 1, 14, 4}, {8, 2, 18, 2}},
         {5, 4, 4}},
        {"adjacent", Axis::Columns, {3, 4}, 8, 12, {{0, 3, 0, 3}, {3, 1, 3, 3}, {4, 1, 6, 3}, {5, 3, 9, 3}}, {3, 3}},
        {"too small", Axis::Columns, {5}, 13, 10, {{0, 5, 0, 5}, {6, 7, 5, 7}}, {0}},
    };
    for (const Case& c : kCases) {
        const AxisPlan plan = PlanStretch(c.axis, c.stretches, c.source, c.dest);
        EXPECT_EQ(plan.spans, c.spans) << c.name;
        EXPECT_EQ(plan.bands, c.bands) << c.name;
    }
}

namespace {

// Which inner column (red) and row (green) each target pixel shows.
void ExpectMapping(const PixelImage& painted, const std::vector<int>& columns, const std::vector<int>& rows,
                   const std::string& name) {
    ASSERT_EQ(painted.width, static_cast<int>(columns.size())) << name;
    ASSERT_EQ(painted.height, static_cast<int>(rows.size())) << name;
    for (int y = 0; y < painted.height; ++y)
        for (int x = 0; x < painted.width; ++x)
            ASSERT_EQ(painted.At(x, y), Picture(columns[x], rows[y])) << name << " at " << x << "," << y;
}

std::vector<int> Counting(int from, int count) {
    std::vector<int> v;
    for (int i = 0; i < count; ++i) v.push_back(from + i);
    return v;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace

TEST(PaintSkinPixels, ATargetOfTheNaturalSizeReproducesThePicture) {
    for (const Frame& f : {kTab, kPushButton, kBar, kBackground}) {
        const PixelImage painted = PaintSkinPixels(MarkedImage(f), f.width - 2, f.height - 2);
        ExpectMapping(painted, Counting(0, f.width - 2), Counting(0, f.height - 2), std::to_string(f.width));
    }
}

TEST(PaintSkinPixels, OnlyTheStretchColumnAndRowAreRepeated) {
    // The tab's stretch column 5 fills 129 columns; the rows need no stretch at 37.
    ExpectMapping(PaintSkinPixels(MarkedImage(kTab), 140, 37),
                  Join({Counting(0, 5), std::vector<int>(129, 5), Counting(6, 6)}), Counting(0, 37), "tab");
    // The background: column 13 to 696 columns, row 41 to 489 rows; the right column and
    // bottom row of the inner picture (the markers) fall outside the target.
    ExpectMapping(PaintSkinPixels(MarkedImage(kBackground), 722, 587),
                  Join({Counting(0, 13), std::vector<int>(696, 13), Counting(14, 13)}),
                  Join({Counting(0, 41), std::vector<int>(489, 41), Counting(42, 57)}), "background");
}

TEST(PaintSkinPixels, SeveralMarkersPerAxisShareTheRoom) {
    // Stretches at inner 2 and 6 of an 11 x 11 inner picture (9 fixed pixels per axis).
    // 20 x 20 paints onto 21 x 21, leaving 12 to share: 6 each.
    const Frame twoEach{12, 12, {3, 7}, {3, 7}, {2, 9}, {2, 9}};
    const std::vector<int> even = {0, 1, 2, 2, 2, 2, 2, 2, 3, 4, 5, 6, 6, 6, 6, 6, 6, 7, 8, 9};
    ExpectMapping(PaintSkinPixels(MarkedImage(twoEach), 20, 20), even, even, "even");
    // 19 x 19 leaves 11: the first band takes the odd pixel.
    const std::vector<int> odd = {0, 1, 2, 2, 2, 2, 2, 2, 3, 4, 5, 6, 6, 6, 6, 6, 7, 8, 9};
    ExpectMapping(PaintSkinPixels(MarkedImage(twoEach), 19, 19), odd, odd, "odd");
}

TEST(PaintSkinPixels, AnImageWithoutMarkersIsCopiedFromItsInnerCorner) {
    const Frame plain{8, 6, {}, {}, {1, 0}, {1, 0}};
    const PixelImage image = MarkedImage(plain);
    const PixelImage big = PaintSkinPixels(image, 10, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            // The inner picture is 7 x 5 (its last column and row are frame, transparent).
            const Argb want = x < 7 && y < 5 ? Premultiply(image.At(x + 1, y + 1)) : 0;
            ASSERT_EQ(big.At(x, y), want) << x << "," << y;
        }
    ExpectMapping(PaintSkinPixels(image, 3, 2), Counting(0, 3), Counting(0, 2), "smaller");
}

TEST(PaintSkinPixels, TransparencyIsKeptPremultiplied) {
    Frame f = kBar;
    PixelImage image = MarkedImage(f);
    image.At(1, 1) = MakeArgb(0, 200, 100, 50);   // transparent
    image.At(3, 1) = MakeArgb(150, 255, 128, 0);  // half-transparent
    const PixelImage painted = PaintSkinPixels(image, 3, 15);
    EXPECT_EQ(painted.At(0, 0), 0u);
    EXPECT_EQ(painted.At(2, 0), MakeArgb(150, 150, 75, 0));
}

TEST(PixelArithmetic, PremultiplyAndSourceOver) {
    EXPECT_EQ(Premultiply(MakeArgb(255, 12, 34, 56)), MakeArgb(255, 12, 34, 56));
    EXPECT_EQ(Premultiply(MakeArgb(0, 12, 34, 56)), 0u);
    EXPECT_EQ(Premultiply(MakeArgb(128, 255, 100, 1)), MakeArgb(128, 128, 50, 1));

    const Argb ground = MakeArgb(255, 200, 100, 0);
    EXPECT_EQ(BlendOver(ground, MakeArgb(255, 1, 2, 3)), MakeArgb(255, 1, 2, 3));
    EXPECT_EQ(BlendOver(ground, 0), ground);
    // Black at alpha 150 over the ground darkens it to 105/255 of itself.
    EXPECT_EQ(BlendOver(ground, MakeArgb(150, 0, 0, 0)), MakeArgb(255, 82, 41, 0));
    // Over nothing, a premultiplied pixel stays as it is.
    EXPECT_EQ(BlendOver(0, MakeArgb(150, 150, 75, 0)), MakeArgb(150, 150, 75, 0));
}

TEST(PixelArithmetic, DrawOverIsClippedToTheDestination) {
    PixelImage image(4, 3, MakeArgb(255, 9, 9, 9));
    image.At(1, 0) = MakeArgb(0, 255, 255, 255);
    PixelImage canvas(3, 4, MakeArgb(255, 1, 1, 1));
    DrawOver({canvas.pixels.data(), canvas.width, canvas.height}, image);
    EXPECT_EQ(canvas.At(0, 0), MakeArgb(255, 9, 9, 9));
    EXPECT_EQ(canvas.At(1, 0), MakeArgb(255, 1, 1, 1));  // transparent source keeps the canvas
    EXPECT_EQ(canvas.At(2, 2), MakeArgb(255, 9, 9, 9));
    EXPECT_EQ(canvas.At(2, 3), MakeArgb(255, 1, 1, 1));  // below the image
}
