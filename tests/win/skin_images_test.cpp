// Every shipped skin image, decoded from the program's resources by GDI+ (the decoder the
// program really uses), against the image inventory.
#include <optional>

#include <gtest/gtest.h>

#include "controls/png_resource.h"
#include "resource.h"
#include "win/win_support.h"

namespace {

// Full-image positions: the stretch markers and the inclusive content runs.
struct Frame {
    int stretchX, stretchY;
    MarkerRun rightRun, bottomRun;
};

struct Entry {
    UINT id;
    int width, height;
    std::optional<Frame> frame;  // none: drawn at natural size
};

constexpr Frame kTab{6, 19, {2, 36}, {6, 6}};
constexpr Frame kPushButton{7, 15, {3, 27}, {7, 7}};
constexpr Frame kBar{2, 8, {1, 15}, {2, 2}};

const Entry kInventory[] = {
    {143, 14, 39, kTab},        {144, 14, 39, kTab},
    {145, 14, 39, kTab},        {146, 14, 39, kTab},
    {147, 14, 39, kTab},        {148, 14, 39, kTab},
    {149, 14, 39, kTab},        {150, 14, 39, kTab},
    {151, 14, 39, kTab},        {152, 14, 39, kTab},
    {153, 14, 39, kTab},        {154, 14, 39, kTab},
    {155, 29, 26, {}},          {156, 29, 26, {}},
    {157, 29, 26, {}},          {158, 29, 26, {}},
    {159, 29, 26, {}},          {160, 29, 26, {}},
    {161, 15, 31, kPushButton}, {162, 15, 31, kPushButton},
    {163, 15, 31, kPushButton}, {164, 29, 148, Frame{14, 89, {2, 145}, {2, 26}}},
    {165, 30, 26, {}},          {166, 30, 26, {}},
    {167, 30, 26, {}},          {168, 197, 94, {}},
    {169, 48, 30, {}},          {170, 48, 30, {}},
    {171, 197, 94, {}},         {172, 231, 16, {}},
    {173, 231, 16, {}},         {174, 231, 16, {}},
    {175, 5, 17, kBar},         {176, 5, 17, kBar},
    {177, 5, 17, kBar},         {178, 5, 17, kBar},
    {179, 5, 17, kBar},         {501, 29, 101, Frame{14, 42, {2, 98}, {2, 26}}},
};

PixelImage Decode(UINT id) {
    CGdiPlusBitmapResource png;
    EXPECT_TRUE(png.LoadPng(id)) << id;
    return png.ReadPixels();
}

bool InFrame(const PixelImage& image, int x, int y) {
    return x == 0 || y == 0 || x == image.width - 1 || y == image.height - 1;
}

}  // namespace

TEST(ShippedImages, SizesAndMarkersMatchTheInventory) {
    for (const Entry& e : kInventory) {
        CGdiPlusBitmapResource png;
        ASSERT_TRUE(png.LoadPng(e.id)) << e.id;
        EXPECT_EQ(png.Width(), e.width) << e.id;
        EXPECT_EQ(png.Height(), e.height) << e.id;
        const PixelImage image = png.ReadPixels();
        ASSERT_EQ(image.width, e.width) << e.id;
        ASSERT_EQ(image.height, e.height) << e.id;
        if (!e.frame) continue;

        const SkinMarkers markers = ScanMarkers(image);
        EXPECT_EQ(markers.stretchColumns, std::vector<int>{e.frame->stretchX - 1}) << e.id;
        EXPECT_EQ(markers.stretchRows, std::vector<int>{e.frame->stretchY - 1}) << e.id;
        EXPECT_EQ(markers.rows, e.frame->rightRun) << e.id;
        EXPECT_EQ(markers.columns, e.frame->bottomRun) << e.id;
        // Every frame pixel is an opaque black marker or transparent white, nothing else.
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                if (!InFrame(image, x, y)) continue;
                const bool marker =
                    (y == 0 && x == e.frame->stretchX) || (x == 0 && y == e.frame->stretchY) ||
                    (x == image.width - 1 && y >= e.frame->rightRun.start && y <= e.frame->rightRun.end) ||
                    (y == image.height - 1 && x >= e.frame->bottomRun.start && x <= e.frame->bottomRun.end);
                ASSERT_EQ(image.At(x, y), marker ? 0xFF000000u : 0x00FFFFFFu) << e.id << " at " << x << "," << y;
            }
    }
}

TEST(ShippedImages, ContentTheControlsRelyOn) {
    // The colour swatches are solid (169 and 170 are 24-bit: opaque once decoded).
    for (auto [id, colour] : {std::pair<UINT, Argb>{169, 0xFFE3E3E3}, {170, 0xFF58BAFF}})
        for (Argb p : Decode(id).pixels) ASSERT_EQ(p, colour) << id;

    // Push buttons: an outline of half-transparent black.
    for (UINT id : {161u, 162u, 163u}) {
        const PixelImage image = Decode(id);
        for (auto [x, y] : {std::pair{1, 15}, {13, 15}, {7, 1}, {7, 29}})
            EXPECT_EQ(image.At(x, y), 0x96000000u) << id << " at " << x << "," << y;
    }
    // Title-bar buttons: black top row, a transparent rounded corner, half-transparent edges.
    for (UINT id = IDB_MINIMIZE_NORMAL; id <= IDB_CLOSE_PRESSED; ++id) {
        const PixelImage image = Decode(id);
        for (int x = 0; x < image.width; ++x) EXPECT_EQ(image.At(x, 0), 0xFF000000u) << id;
        const int cornerX = id <= IDB_MINIMIZE_PRESSED ? 0 : 28;
        EXPECT_EQ(AlphaOf(image.At(cornerX, 25)), 0) << id;
        EXPECT_EQ(AlphaOf(image.At(cornerX, 12)), 150) << id;
    }
    // Images that are block-copied without blending are opaque inside the frame.
    for (UINT id : {501u, 175u, 176u, 177u, 178u, 179u}) {
        const PixelImage image = Decode(id);
        for (int y = 1; y < image.height - 1; ++y)
            for (int x = 1; x < image.width - 1; ++x) ASSERT_EQ(AlphaOf(image.At(x, y)), 255) << id;
    }
}

TEST(LoadPng, AMissingImageLeavesTheObjectEmpty) {
    CGdiPlusBitmapResource png;
    ASSERT_TRUE(png.LoadPng(IDB_BAR_GREEN));
    EXPECT_FALSE(png.IsEmpty());
    EXPECT_FALSE(png.LoadPng(999));
    EXPECT_TRUE(png.IsEmpty());
    EXPECT_EQ(png.Width(), 0);
    EXPECT_TRUE(png.ReadPixels().pixels.empty());
    // Not a PNG resource: the icon is of another type.
    EXPECT_FALSE(png.LoadPng(IDR_MAINFRAME));
}
