#include "skin/SkinPaint.h"

#include <gtest/gtest.h>

#include "framework/graphics/TBitmap.h"
#include "paint/ParentColors.h"
#include "skin/SkinState.h"

namespace {

constexpr TColor kBack = 0x123456;

int AddSection(const std::string& name, TColor color, const std::string& parent = "") {
    TsGeneralData g;
    g.SectionName = name;
    g.ParentClass = parent;
    g.Color = color;
    g.HotColor = color ^ 0xFFFFFF;
    SkinGeneralData.push_back(std::move(g));
    return static_cast<int>(SkinGeneralData.size()) - 1;
}

void AddMask(const std::string& section, const std::string& property, TRect r, int count,
             int type) {
    TsMaskData m;
    m.SectionName = section;
    m.PropertyName = property;
    m.R = r;
    m.ImageCount = static_cast<int16_t>(count);
    m.MaskType = static_cast<int16_t>(type);
    SkinMasks.push_back(std::move(m));
}

// Master bitmap: a 6 x 3 two-state border mask (pieces 1 x 1) whose border is
// red for state 0 and green for state 1, with blue centres, and a 2 x 2 pattern
// tile at (0, 3).
class SkinPaint : public ::testing::Test {
protected:
    void SetUp() override {
        Clear();
        SkinMasterBitmap = std::make_unique<TBitmap>(6, 5);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 6; ++x)
                SkinMasterBitmap->SetPixel(x, y, x < 3 ? 0x0000FF : 0x00FF00);
        SkinMasterBitmap->SetPixel(1, 1, 0xFF0000);
        SkinMasterBitmap->SetPixel(4, 1, 0xFF0000);
        SkinMasterBitmap->SetPixel(0, 0, 0xFF00FF);
        for (int y = 3; y < 5; ++y)
            for (int x = 0; x < 2; ++x)
                SkinMasterBitmap->SetPixel(x, y, 0x010101 * (1 + x + 2 * y));
        Edit = AddSection("EDIT", 0xCCCCCC);
        Combo = AddSection("COMBOBOX", 0xAAAAAA, "EDIT");
        AddMask("EDIT", "BORDERSMASK", {0, 0, 6, 3}, 2, 0);
        AddMask("COMBOBOX", "PATTERN", {0, 3, 2, 5}, 1, 0);
        GlobalSkinData->SkinReady = true;
    }
    void TearDown() override { Clear(); }
    static void Clear() {
        ClearSkinMasks();
        ClearSkinSections();
        GlobalSkinData->SkinReady = false;
        ParentMaskColor = ParentBackColor = clSeeThrough;
    }
    int Edit = -1, Combo = -1;
};

} // namespace

TEST_F(SkinPaint, SectionWithTheParentsBorderForTheState) {
    TBitmap b(4, 3);
    b.Pixels().Fill(kBack);
    PaintSectionWithBorder(Combo, "COMBOBOX", 1, true, TCacheInfo{}, &b, {0, 0, 4, 3}, {0, 0});
    // Hot look, the EDIT border of state 1 (green) and its blue centre.
    EXPECT_EQ(b.Pixel(0, 0), 0x00FF00);
    EXPECT_EQ(b.Pixel(3, 2), 0x00FF00);
    EXPECT_EQ(b.Pixel(1, 1), 0xFF0000);
    EXPECT_EQ(b.Pixel(2, 1), 0xFF0000);
    // State 0 without filling: the section's colour stays in the middle; the
    // see-through corner shows the parent's picture.
    TBitmap parentBmp(10, 10);
    parentBmp.Pixels().Fill(0x0A0A0A);
    PaintSectionWithBorder(Edit, "", 0, false, TCacheInfo{&parentBmp, 0, 0, true}, &b, {0, 0, 4, 3},
                           {0, 0});
    EXPECT_EQ(b.Pixel(0, 0), 0x0A0A0A);
    EXPECT_EQ(b.Pixel(1, 0), 0x0000FF);
    EXPECT_EQ(b.Pixel(1, 1), 0xCCCCCC);
}

TEST_F(SkinPaint, PatternsAndOverrides) {
    SkinGeneralData[Combo].ImagePercent = 100;
    TBitmap b(5, 3);
    b.Pixels().Fill(kBack);
    PaintSection(Combo, "COMBOBOX", false, TCacheInfo{}, &b, {1, 0, 5, 3}, {0, 0});
    EXPECT_EQ(b.Pixel(1, 0), 0x070707);
    EXPECT_EQ(b.Pixel(4, 2), 0x080808);
    EXPECT_EQ(b.Pixel(0, 0), kBack);
    // Without the pattern the image share falls back to the colour.
    PaintSectionNoPattern(Combo, false, TCacheInfo{}, &b, {1, 0, 5, 3}, {0, 0});
    EXPECT_EQ(b.Pixel(2, 1), 0xAAAAAA);

    // A see-through look over a Ready parent takes the override colour when it is set.
    SkinGeneralData[Edit].Transparency = 100;
    TBitmap parentBmp(10, 10);
    parentBmp.Pixels().Fill(0x0A0A0A);
    const TCacheInfo parent{&parentBmp, 0, 0, true};
    {
        TParentColorGuard guard(0x00ABCD);
        PaintSectionNoPattern(Edit, false, parent, &b, {0, 0, 2, 2}, {0, 0});
        EXPECT_EQ(b.Pixel(1, 1), 0x00ABCD);
        PaintSection(Edit, "", false, parent, &b, {0, 0, 2, 2}, {0, 0});
        EXPECT_EQ(b.Pixel(1, 1), 0x0A0A0A);
        // Mask see-through pixels take the mask override.
        DrawStateImage(&b, {0, 0}, 0, 0, true);
        EXPECT_EQ(b.Pixel(0, 0), 0x00ABCD);
    }
    EXPECT_EQ(CellSize(0), (TSize{3, 3}));
}

TEST_F(SkinPaint, InvalidIndexesPaintNothing) {
    TBitmap b(4, 4);
    b.Pixels().Fill(kBack);
    TRegion region(TRect{0, 0, 4, 4});
    std::vector<TRect> rects;
    PaintSection(-1, "", false, TCacheInfo{}, &b, {0, 0, 4, 4}, {0, 0});
    PaintSection(99, "", false, TCacheInfo{}, &b, {0, 0, 4, 4}, {0, 0});
    PaintSectionNoPattern(-1, false, TCacheInfo{}, &b, {0, 0, 4, 4}, {0, 0});
    PaintSectionWithBorder(7, "", 0, true, TCacheInfo{}, &b, {0, 0, 4, 4}, {0, 0});
    DrawBorderMask(&b, {0, 0, 4, 4}, true, 0, 5, TCacheInfo{});
    DrawBorderMaskRegion(&b, {0, 0, 4, 4}, true, 0, -1, region);
    DrawStateImage(&b, {0, 0}, 0, 2, true);
    SeeThroughRects(-1, 4, false, 0, rects);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(b.Pixel(x, y), kBack);
    EXPECT_TRUE(rects.empty());
    EXPECT_EQ(CellSize(3), (TSize{}));
    SeeThroughRects(0, 10, false, 0, rects);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 0, 1, 1}}));
}
