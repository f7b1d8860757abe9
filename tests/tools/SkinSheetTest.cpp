#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "GoldenImage.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"
#include "skin/stored/StoredSkinLoader.h"
#include "skin/stored/StoredSkinWriter.h"
#include "skin/stored/TsStoredSkin.h"
#include "tools/SkinSheetRender.h"
#include "tools/SkinSheetSource.h"

namespace {

TColor Rgb(int r, int g, int b) {
    return r | g << 8 | b << 16;
}

void AddImage(TsStoredSkin& s, const char* section, const char* property, TRect r, int count,
              int type, int border) {
    TsSkinImage* i = s.Images()->Add();
    i->SectionName = section, i->PropertyName = property, i->Name = "MASTER.BMP";
    i->Left = r.Left, i->Top = r.Top, i->Right = r.Right, i->Bottom = r.Bottom;
    i->ImageCount = static_cast<int16_t>(count), i->MaskType = static_cast<int16_t>(type);
    i->BorderWidth = static_cast<int16_t>(border);
}

void AddSection(TsStoredSkin& s, const char* name, const char* parent, TColor color, TColor hot,
                int transparency, const char* gradient = " ") {
    TsSkinGeneral* g = s.GeneralData()->Add();
    g->SectionName = name, g->ParentClass = parent, g->Color = color, g->HotColor = hot;
    g->Transparency = g->HotTransparency = transparency;
    g->GradientData = gradient, g->HotGradientData = " ";
    g->GradientPercent = gradient[0] == ' ' ? 0 : 100;
    g->FontColor = g->HotFontColor = "0 -1 -1 -1 -1";
}

// A small skin: a three-state alpha border, a one-cell border with a border
// width, an inherited border, a half-transparent section without a mask, and
// state images with see-through pixels and with an alpha row.
void BuildSkin(TsStoredSkin& s) {
    s.Name = "Sheet test (internal)";
    TBitmap& m = s.MasterBitmap()->Bitmap();
    m.SetSize(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            m.SetPixel(x, y, Rgb(x * 6, 255 - y * 8, 90));
    for (int st = 0; st < 3; ++st)
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool edge = x == 0 || y == 0 || x == 8 || y == 8;
                m.SetPixel(st * 9 + x, y,
                           edge ? Rgb(30, 60 + st * 60, 160) : Rgb(200, 220, 250 - st * 40));
                m.SetPixel(st * 9 + x, 9 + y, edge && (x + y) % 8 == 0 ? 0x808080 : 0);
            }
    m.SetPixel(0, 0, 0xFF00FF);
    for (int i = 0; i < 18; ++i)
        m.SetPixel(i, 18 + i % 6, 0xFF00FF); // see-through in the check boxes
    AddImage(s, "BUTTON", "BORDERSMASK", {0, 0, 27, 18}, 3, 1, 0);
    AddImage(s, "EDIT", "BORDERSMASK", {27, 0, 36, 9}, 1, 0, 1);
    AddImage(s, "GLOBALINFO", "BOXCHECKED", {0, 18, 18, 24}, 3, 0, 0);
    AddImage(s, "SCROLLBTNTOP", "GLYPHMASK", {18, 18, 30, 24}, 2, 0, 0);
    AddImage(s, "SCROLLSLIDERH", "GLYPHMASK", {30, 18, 36, 30}, 1, 1, 0);
    AddImage(s, "GLOBALINFO", "MASTERBITMAP", {}, 0, 0, 0);
    s.Images()->Items(5)->Image()->Bitmap().Assign(m);

    AddSection(s, "GLOBALINFO", "", 13744054, 13744054, 0);
    AddSection(s, "BUTTON", "", Rgb(220, 230, 250), Rgb(250, 230, 180), 0,
               "14930641;14271169;100;0;0;14271169;14271169;0;0;0");
    s.GeneralData()->Items(1)->FontColor = "255 16777215 -1 -1 -1";
    s.GeneralData()->Items(1)->HotFontColor = "16711680 -1 -1 -1 -1";
    AddSection(s, "EDIT", "", clWhite, clWhite, 0);
    AddSection(s, "COMBOBOX", "EDIT", Rgb(240, 240, 255), clWhite, 0);
    AddSection(s, "PANEL", "", Rgb(40, 80, 160), Rgb(40, 80, 160), 50);
}

class SkinSheet : public ::testing::Test {
protected:
    void SetUp() override {
        BuildSkin(FSkin);
        LoadStoredMasks(FSkin);
        LoadStoredPatterns(FSkin);
        LoadStoredSections(FSkin);
    }
    void TearDown() override {
        ClearSkinMasks();
        ClearSkinPatterns();
        ClearSkinSections();
    }
    TsStoredSkin FSkin;
};

std::vector<TSheetEntry> Entries(const TSkinSheet& sheet, TSheetEntryKind kind) {
    std::vector<TSheetEntry> out;
    std::copy_if(sheet.Entries.begin(), sheet.Entries.end(), std::back_inserter(out),
                 [kind](const TSheetEntry& e) { return e.Kind == kind; });
    return out;
}

// Pixels of Rect in Sheet against a picture of the same size, but for Skip.
int Differences(const TBitmap& sheet, TRect r, const TBitmap& expected, TRect skip = {}) {
    int bad = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            if (!skip.Contains({r.Left + x, r.Top + y}))
                bad += sheet.Pixel(r.Left + x, r.Top + y) != expected.Pixel(x, y);
    return bad;
}

int Count(const TBitmap& sheet, TRect r, TColor color) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += sheet.Pixel(x, y) == color;
    return n;
}

void FillGround(TBitmap& b) {
    b.Canvas()->Brush()->SetColor(SheetBackground);
    b.Canvas()->FillRect({0, 0, b.Width(), b.Height()});
}

} // namespace

TEST_F(SkinSheet, ShowsEverySectionAndItemInsideTheSheetAndNothingElse) {
    const TSkinSheet sheet = RenderSkinSheet(FSkin.Name);
    const TBitmap& bmp = *sheet.Picture;
    const TRect all{0, 0, bmp.Width(), bmp.Height()};

    // Each section in each state at both sizes, once.
    std::set<std::tuple<std::string, int, int, int>> cells;
    for (const TSheetEntry& e : Entries(sheet, seSection))
        cells.insert({e.Name, e.State, e.Rect.Width(), e.Rect.Height()});
    EXPECT_EQ(cells.size(), Entries(sheet, seSection).size());
    for (const char* name : {"GLOBALINFO", "BUTTON", "EDIT", "COMBOBOX", "PANEL"})
        for (int st = 0; st < 3; ++st)
            for (TSize z : {SheetSmallCell, SheetLargeCell})
                EXPECT_TRUE(cells.erase({name, st, z.cx, z.cy})) << name;
    EXPECT_TRUE(cells.empty());

    // Check boxes 3 states, the two glyphs 2 and 1; each at 1x and 2x.
    std::multiset<std::string> images;
    for (const TSheetEntry& e : Entries(sheet, seStateImage))
        images.insert(e.Name);
    EXPECT_EQ(images.count("GLOBALINFO BOXCHECKED"), 6u);
    EXPECT_EQ(images.count("SCROLLBTNTOP GLYPHMASK"), 4u);
    EXPECT_EQ(images.count("SCROLLSLIDERH GLYPHMASK"), 2u);
    EXPECT_EQ(images.size(), 12u);
    ASSERT_EQ(Entries(sheet, seMaster).size(), 2u);
    EXPECT_EQ(Entries(sheet, seMaster)[1].Rect.Width(), 3 * 40);

    std::vector<TRect> pictures;
    for (const TSheetEntry& e : sheet.Entries) {
        EXPECT_EQ(e.Rect.Intersect(all), e.Rect) << e.Name << " lies outside the sheet";
        if (e.Kind == seText || e.Kind == seRule) continue;
        for (const TRect& other : pictures)
            EXPECT_TRUE(e.Rect.Intersect(other).IsEmpty()) << e.Name << " overlaps";
        pictures.push_back(e.Rect);
    }
    int stray = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Pixel(x, y) != SheetBackground)
                stray += std::none_of(sheet.Entries.begin(), sheet.Entries.end(),
                                      [&](const TSheetEntry& e) {
                                          return e.Rect.Contains({x, y});
                                      });
    EXPECT_EQ(stray, 0);
}

TEST_F(SkinSheet, PicturesAreThePaintersOwnOverTheGround) {
    const TSkinSheet sheet = RenderSkinSheet(FSkin.Name);
    const TBitmap& bmp = *sheet.Picture;
    std::vector<TSheetEntry> captions;
    for (const TSheetEntry& e : Entries(sheet, seText))
        if (e.Name == "Caption") captions.push_back(e);
    EXPECT_EQ(captions.size(), 5u * 3);
    for (const TSheetEntry& e : Entries(sheet, seSection)) {
        const int w = e.Rect.Width(), h = e.Rect.Height();
        TBitmap ground(w, h), cell(w, h);
        FillGround(ground);
        PaintSectionWithBorder(GetSkinIndex(e.Name), "", e.State, true, {&ground, 0, 0, true},
                               &cell, {0, 0, w, h}, {0, 0});
        auto caption = std::find_if(captions.begin(), captions.end(), [&](const TSheetEntry& c) {
            return !c.Rect.Intersect(e.Rect).IsEmpty();
        });
        const bool large = w == SheetLargeCell.cx;
        ASSERT_EQ(caption != captions.end(), large) << e.Name;
        const TRect text = large ? caption->Rect : TRect{};
        EXPECT_EQ(Differences(bmp, e.Rect, cell, text), 0) << e.Name << " state " << e.State;
        if (!large || e.Name != "BUTTON") continue;
        // Red text with a white left contour when normal, blue text when hot or pressed.
        EXPECT_EQ(Count(bmp, text, 0x0000FF) > 0, e.State == 0);
        EXPECT_EQ(Count(bmp, text, 0xFFFFFF) > 0, e.State == 0);
        EXPECT_EQ(Count(bmp, text, 0xFF0000) > 0, e.State > 0);
    }
    for (const TSheetEntry& e : Entries(sheet, seStateImage)) {
        const TSize c = CellSize(e.Mask);
        TBitmap one(c.cx, c.cy), two(2 * c.cx, 2 * c.cy);
        FillGround(one);
        DrawStateImage(&one, {0, 0}, e.State, e.Mask, true);
        for (int y = 0; y < 2 * c.cy; ++y)
            for (int x = 0; x < 2 * c.cx; ++x)
                two.SetPixel(x, y, one.Pixel(x / 2, y / 2));
        EXPECT_EQ(Differences(bmp, e.Rect, e.Scale == 1 ? one : two), 0)
            << e.Name << " state " << e.State;
    }
    // Magenta stays visible in the enlarged master bitmap.
    const TRect m = Entries(sheet, seMaster)[0].Rect;
    for (int y = 0; y < m.Height(); ++y)
        for (int x = 0; x < m.Width(); ++x)
            ASSERT_EQ(bmp.Pixel(m.Left + x, m.Top + y), SkinMasterBitmap->Pixel(x / 3, y / 3));
    // The map marks the button mask's frame, its cell edge and its alpha row, and nothing
    // right of the masks.
    const TRect map = Entries(sheet, seMaster)[1].Rect;
    auto marked = [&](int x, int y) {
        return bmp.Pixel(map.Left + x, map.Top + y) != bmp.Pixel(m.Left + x, m.Top + y);
    };
    EXPECT_TRUE(marked(0, 0) && marked(27, 12) && marked(4, 27) && marked(80, 2));
    for (int y = 0; y < map.Height(); ++y)
        for (int x = 3 * 36 + 1; x < map.Width(); ++x)
            ASSERT_FALSE(marked(x, y));
}

TEST_F(SkinSheet, BrokenOrEmptySkinsStillGiveASheet) {
    AddImage(FSkin, "GLOBALINFO", "GRIPIMAGE", {0, 0, 90000, 5}, 2, 0, 0);
    AddImage(FSkin, "GLOBALINFO", "SLIDERMASK", {30, 30, 10, 10}, -4, 7, 0);
    LoadStoredMasks(FSkin);
    TSkinSheet sheet = RenderSkinSheet("broken");
    EXPECT_LT(sheet.Picture->Width(), 2000);
    for (const TSheetEntry& e : Entries(sheet, seStateImage))
        EXPECT_LT(e.Mask, 5) << e.Name;

    TearDown();
    sheet = RenderSkinSheet("empty");
    EXPECT_EQ(Entries(sheet, seText).size(), sheet.Entries.size());
    EXPECT_GT(sheet.Picture->Height(), 60);
}

TEST_F(SkinSheet, GoldenOfTheTestSkin) {
    ExpectMatchesGolden(RenderSkinSheet(FSkin.Name).Picture->Pixels(), "skinsheet-test-skin");
}

TEST_F(SkinSheet, LoadsTheStoredSkinOfAManagerInsideAnyFormDefinition) {
    TsStoredSkins skins;
    skins.Add()->Name = "Other";
    skins.Add()->Assign(FSkin);
    const std::string manager = "  object sSkinManager1: TsSkinManager\n" +
                                WriteInternalSkins(skins, "    ") +
                                "    SkinName = 'Sheet test (internal)'\n  end\n";
    const std::string form =
        "object Form1: TUnknownForm\n  object Button1: TNoSuchButton\n    Left = 3\n  end\n" +
        manager + "end\n";
    ClearSkinMasks();
    ClearSkinSections();
    EXPECT_EQ(LoadStoredSkinFromDefinition(form, "Test.dfm"), "Sheet test (internal)");
    EXPECT_EQ(SkinGeneralData.size(), 5u);
    EXPECT_EQ(SkinMasks.size(), 6u);
    ASSERT_TRUE(SkinMasterBitmap);
    EXPECT_EQ(SkinMasterBitmap->Pixel(0, 0), 0xFF00FF);
    EXPECT_EQ(GlobalSkinData->DefaultManager, nullptr);

    EXPECT_THROW(LoadStoredSkinFromDefinition("object Form1: TForm1\nend\n", "Empty.dfm"),
                 std::runtime_error);
    EXPECT_THROW(LoadStoredSkinFromDefinition("object Form1: TForm1\n  Left = \nend\n", "Bad.dfm"),
                 std::exception);
    EXPECT_THROW(LoadStoredSkinFromFile("/nonexistent/Unit1.dfm"), std::runtime_error);
}
