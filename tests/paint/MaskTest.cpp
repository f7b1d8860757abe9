#include "paint/MaskPaint.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace {
int Red(TColor c) {
    return c & 0xFF;
}
int Green(TColor c) {
    return (c >> 8) & 0xFF;
}

// A master picture whose pixel (x, y) reads red = x, green = y.
std::unique_ptr<TBitmap> Coded(int w, int h) {
    auto b = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->SetPixel(x, y, RGBColor(x, y, 9));
    return b;
}

TsMaskImage Own(const TBitmap* bmp) {
    TsMaskImage m;
    m.Bitmap = bmp;
    m.OwnBitmap = true;
    return m;
}

TsMaskImage Master(const TBitmap* bmp, TRect r, int count, int type, int border = 0) {
    return {bmp, false, r, count, type, border};
}
} // namespace

TEST(Mask, CellSizeOwnAndMasterMasks) {
    auto own = MakeBitmap(30, 20);
    EXPECT_EQ(CellSize(Own(own.get())), (TSize{10, 10}));
    EXPECT_EQ(CellSize(Master(own.get(), {0, 44, 63, 92}, 3, 1)), (TSize{21, 24}));
    EXPECT_EQ(CellSize(Master(own.get(), {147, 27, 195, 44}, 3, 0)), (TSize{16, 17}));
    EXPECT_EQ(CellSize(Master(own.get(), {0, 0, 9, 9}, 0, 0)), (TSize{}));
}

TEST(Mask, DrawStateImageStatesClampAndPointsLeftOfZeroCut) {
    auto master = Coded(40, 10);
    const TsMaskImage mask = Master(master.get(), {1, 2, 31, 6}, 3, 0); // cells 10 x 4
    auto d = MakeBitmap(14, 6);
    DrawStateImage(d.get(), {2, 1}, 5, mask, true);
    EXPECT_EQ(d->Pixel(2, 1), RGBColor(21, 2, 9));
    EXPECT_EQ(d->Pixel(11, 4), RGBColor(30, 5, 9));
    EXPECT_TRUE(UntouchedOutside(*d, {2, 1, 12, 5}));
    auto e = MakeBitmap(14, 6);
    DrawStateImage(e.get(), {-3, -1}, 1, mask, true);
    EXPECT_EQ(e->Pixel(0, 0), RGBColor(14, 3, 9));
    EXPECT_TRUE(UntouchedOutside(*e, {0, 0, 7, 3}));
    // Not opaque: half strength, see-through pixels skipped.
    master->SetPixel(12, 2, 0xFF00FF);
    auto f = MakeBitmap(2, 1, 0);
    DrawStateImage(f.get(), {0, 0}, 1, mask, false);
    EXPECT_EQ(f->Pixel(0, 0), RGBColor(6, 1, 4)); // 5.5 and 4.5 go to even
    EXPECT_EQ(f->Pixel(1, 0), 0);
}

TEST(Mask, DrawStateImageAlphaRowMixesAndOwnBitmaps) {
    // One cell 1 x 1 over its alpha row: picture 200, alpha 128, destination 0 gives 99.
    auto master = MakeBitmap(1, 2, RGBColor(200, 200, 200));
    master->SetPixel(0, 1, RGBColor(128, 128, 128));
    auto d = MakeBitmap(3, 3, 0);
    DrawStateImage(d.get(), {1, 1}, 0, Master(master.get(), {0, 0, 1, 2}, 1, 1), true);
    EXPECT_EQ(d->Pixel(1, 1), RGBColor(99, 99, 99));
    EXPECT_TRUE(UntouchedOutside(*d, {1, 1, 2, 2}, 0));

    // Own bitmap: 3 cells of 2 x 1 over an alpha row of zeros (the picture covers).
    auto own = Coded(6, 2);
    for (int x = 0; x < 6; ++x)
        own->SetPixel(x, 1, 0);
    own->SetPixel(5, 0, 0xFF00FF);
    auto e = MakeBitmap(4, 1);
    DrawStateImage(e.get(), {1, 0}, 9, Own(own.get()), true, 0x00AA00);
    EXPECT_EQ(Red(e->Pixel(1, 0)), (4 * 255) / 256);
    EXPECT_EQ(e->Pixel(2, 0), 0x00AA00); // see-through takes the override
    EXPECT_TRUE(UntouchedOutside(*e, {1, 0, 3, 1}));
}

TEST(Mask, CopyKeyedSeeThroughTakesOverrideThenParentThenStays) {
    auto src = MakeBitmap(2, 1, 0xFF00FF);
    src->SetPixel(1, 0, 0x010203);
    TBitmap parentBmp(5, 5);
    parentBmp.Pixels().Fill(0x0F0F0F);
    parentBmp.SetPixel(3, 4, 0x777777);
    const TCacheInfo parent{&parentBmp, 2, 3, true};
    auto d = MakeBitmap(3, 2);
    CopyKeyed(d.get(), src.get(), {1, 1}, parent, 0xFF00FF, {0, 0, 1, 0}, 0x00AA00);
    EXPECT_EQ(d->Pixel(1, 1), 0x00AA00);
    EXPECT_EQ(d->Pixel(2, 1), 0x010203);
    CopyKeyed(d.get(), src.get(), {1, 1}, parent, 0xFF00FF, {-4, -4, 9, 9});
    EXPECT_EQ(d->Pixel(1, 1), 0x777777);
    d->SetPixel(1, 1, kSentinel);
    CopyKeyed(d.get(), src.get(), {1, 1}, TCacheInfo{}, 0xFF00FF, {0, 0, 1, 0});
    EXPECT_EQ(d->Pixel(1, 1), kSentinel);
    EXPECT_TRUE(UntouchedOutside(*d, {1, 1, 3, 2}));
    // A parent picture that does not reach under the pixel leaves it.
    const TCacheInfo far{&parentBmp, 40, 40, true};
    CopyKeyed(d.get(), src.get(), {1, 1}, far, 0xFF00FF, {0, 0, 1, 0});
    EXPECT_EQ(d->Pixel(1, 1), kSentinel);
}

TEST(Mask, DrawBorderMaskThinBordersLeaveTheCentre) {
    // A 39 x 39 one-cell mask with BorderWidth 1: pieces 13 x 13, one-pixel corners and edges.
    auto master = Coded(45, 45);
    const TsMaskImage edit = Master(master.get(), {3, 2, 42, 41}, 1, 0, 1);
    auto d = MakeBitmap(22, 22);
    DrawBorderMask(d.get(), {1, 1, 21, 21}, true, 0, edit, TCacheInfo{});
    EXPECT_EQ(d->Pixel(1, 1), RGBColor(3, 2, 9));
    EXPECT_EQ(d->Pixel(20, 1), RGBColor(41, 2, 9));
    EXPECT_EQ(d->Pixel(1, 20), RGBColor(3, 40, 9));
    EXPECT_EQ(d->Pixel(20, 20), RGBColor(41, 40, 9));
    for (int i = 2; i < 20; ++i) {
        ASSERT_EQ(d->Pixel(i, 1), RGBColor(3 + 13 + (i - 2) % 13, 2, 9)) << i;
        ASSERT_EQ(d->Pixel(i, 20), RGBColor(3 + 13 + (i - 2) % 13, 40, 9)) << i;
        ASSERT_EQ(d->Pixel(1, i), RGBColor(3, 2 + 13 + (i - 2) % 13, 9)) << i;
        ASSERT_EQ(d->Pixel(20, i), RGBColor(41, 2 + 13 + (i - 2) % 13, 9)) << i;
    }
    // The centre and everything outside stay.
    EXPECT_TRUE(UntouchedOutside(*d, {1, 1, 21, 21}));
    for (int y = 2; y < 20; ++y)
        for (int x = 2; x < 20; ++x)
            ASSERT_EQ(d->Pixel(x, y), kSentinel);
}

TEST(Mask, DrawBorderMaskNarrowRectanglesSplitTheCorners) {
    // pw = 7 across a rectangle 9 wide: left corners 4 wide, right corners 5.
    auto master = Coded(21, 21);
    const TsMaskImage mask = Master(master.get(), {0, 0, 21, 21}, 1, 0);
    auto d = MakeBitmap(9, 30);
    DrawBorderMask(d.get(), {0, 0, 9, 30}, true, 0, mask, TCacheInfo{});
    const int columns[] = {0, 1, 2, 3, 16, 17, 18, 19, 20};
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(Red(d->Pixel(x, 0)), columns[x]) << x;
        EXPECT_EQ(Red(d->Pixel(x, 15)), columns[x]) << x;
    }
    // Down the side: corner 7, edge rows 7..13 repeated, bottom corner 14..20.
    EXPECT_EQ(Green(d->Pixel(0, 6)), 6);
    EXPECT_EQ(Green(d->Pixel(0, 7)), 7);
    EXPECT_EQ(Green(d->Pixel(0, 14)), 7);
    EXPECT_EQ(Green(d->Pixel(0, 22)), 8);
    EXPECT_EQ(Green(d->Pixel(0, 23)), 14);
    EXPECT_EQ(Green(d->Pixel(0, 29)), 20);
    // Under two pixels across: nothing.
    auto e = MakeBitmap(5, 5);
    DrawBorderMask(e.get(), {0, 0, 1, 5}, true, 0, mask, TCacheInfo{});
    DrawBorderMask(e.get(), {0, 0, 5, 1}, true, 0, mask, TCacheInfo{});
    DrawBorderMask(e.get(), {0, 0, 5, 5}, true, 0, TsMaskImage{}, TCacheInfo{});
    DrawBorderMask(e.get(), {0, 0, 5, 5}, true, 0, Master(master.get(), {0, 0, 21, 21}, 0, 0),
                   TCacheInfo{});
    EXPECT_TRUE(UntouchedOutside(*e, {}));
}

TEST(Mask, SeeThroughRectsAreRunsInTheCornerStrips) {
    // One cell 9 x 9 (pieces 3 x 3); see-through runs in the top and bottom strips.
    auto master = MakeBitmap(9, 9, 0x336699);
    for (int x : {0, 1, 6, 8})
        master->SetPixel(x, 0, 0xFF00FF);
    master->SetPixel(2, 1, 0xFF00FF);
    master->SetPixel(4, 0, 0xFF00FF); // in no corner
    master->SetPixel(0, 8, 0xFF00FF);
    const TsMaskImage mask = Master(master.get(), {0, 0, 9, 9}, 1, 0);
    std::vector<TRect> rects{{1, 1, 2, 2}};
    SeeThroughRects(mask, 30, false, 5, rects);
    const std::vector<TRect> expect{
        {1, 1, 2, 2}, {0, 5, 2, 6}, {2, 6, 3, 7}, {27, 5, 28, 6}, {29, 5, 30, 6}};
    EXPECT_EQ(rects, expect);
    rects.clear();
    SeeThroughRects(mask, 9, true, 0, rects);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 2, 1, 3}}));
    // A strip past the bitmap's bottom adds nothing.
    rects.clear();
    SeeThroughRects(Master(master.get(), {0, 3, 9, 12}, 1, 0), 9, true, 0, rects);
    EXPECT_TRUE(rects.empty());
}

TEST(Mask, DrawBorderMaskRegionSeeThroughRunsLeaveTheRegion) {
    auto master = MakeBitmap(6, 12, 0x202020);
    master->SetPixel(0, 0, 0xFF00FF);
    master->SetPixel(1, 0, 0xFF00FF);
    master->SetPixel(5, 0, 0xFF00FF);
    for (int y = 6; y < 12; ++y)
        for (int x = 0; x < 6; ++x)
            master->SetPixel(x, y, 0);                                  // alpha: the picture covers
    const TsMaskImage mask = Master(master.get(), {0, 0, 6, 12}, 1, 1); // pieces 2 x 2
    auto d = MakeBitmap(8, 5);
    TRegion region(TRect{0, 0, 8, 5});
    DrawBorderMaskRegion(d.get(), {0, 0, 8, 5}, true, 0, mask, region);
    EXPECT_EQ(d->Pixel(0, 0), kSentinel);
    EXPECT_EQ(d->Pixel(1, 0), kSentinel);
    EXPECT_EQ(d->Pixel(7, 0), kSentinel);
    EXPECT_EQ(d->Pixel(2, 0), RGBColor(31, 31, 31));
    TRegion expect(TRect{0, 0, 8, 5});
    expect.Subtract(TRect{0, 0, 2, 1});
    expect.Subtract(TRect{7, 0, 8, 1});
    EXPECT_TRUE(region == expect);
}
