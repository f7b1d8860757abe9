#include <gtest/gtest.h>

#include "framework/component/EReadError.h"
#include "framework/component/TFormParser.h"
#include "framework/component/TFormReader.h"
#include "platform/BmpDecoder.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/stored/StoredSkinWriter.h"

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (uint8_t b : bytes)
        s += digits[b >> 4], s += digits[b & 15];
    return s;
}

// A 6 x 4 picture whose pixels say where they are; magenta in one corner.
TPixels Picture() {
    TPixels p(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            p.SetPixel(x, y, 0x102030 + x * 0x10 + y * 0x1000);
    p.SetPixel(5, 3, 0xFF00FF);
    return p;
}

class StoredSkins : public ::testing::Test {
protected:
    void SetUp() override { FRoot = std::make_unique<TComponent>(nullptr); }
    void TearDown() override { FRoot.reset(); }

    TsSkinManager* Read(const std::string& managerBody) {
        ReadComponentResource(FRoot.get(),
                              "object Holder: TComponent\n"
                              "  object sSkinManager1: TsSkinManager\n" +
                                  managerBody + "  end\nend\n",
                              "Skin.dfm");
        return static_cast<TsSkinManager*>(FRoot->FindComponent("sSkinManager1"));
    }

    std::unique_ptr<TComponent> FRoot;
};

const std::string MasterHex = Hex(PackPictureData(EncodeBmp8(Picture())));

std::string HandWritten(const std::string& master = MasterHex) {
    return R"(    InternalSkins = <
      item
        Name = 'Test (internal)'
        GeneralData = <
          item
            SectionName = 'GLOBALINFO'
            Color = clWhite
            Bevel = cbRaisedHard
            ShadowBlur = 4
            ShadowColor = clBlack
            ShadowDontUse = True
            ShadowEnabled = True
            ReservedBoolean = True
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '0 16777215 -1 -1 -1'
            HotFontColor = '255 -1 -1 -1'
            Transparency = 0
            GradientPercent = 50
            GradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            ImagePercent = 1
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 5
            FadingIntervalOut = 6
            FadingIterations = 7
            HotColor = 12345
            HotTransparency = 10
            HotBevel = cbLoweredSoft
            HotGradientPercent = 20
            HotGradientData = ' '
            HotImagePercent = 3
            BorderColor1 = $00FF0000
            BorderColor2 = 8
            Name = 'Global'
          end
          item
            SectionName = 'EDIT'
            Bevel = 9
            HotFontColor = '1 2 3 4 5 6'
          end
          item
            SectionName = 'COMBOBOX'
            ParentClass = 'edit'
            HotFontColor = '7 8 9 10 11'
          end>
        Images = <
          item
            SectionName = 'globalinfo'
            Image.Data = {)" +
           master + R"(}
            Name = 'MASTER.BMP'
            PropertyName = 'masterbitmap'
            ImageCount = 0
          end
          item
            SectionName = 'edit'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 44
            Right = 21
            Bottom = 68
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end>
        Patterns = <
          item
            SectionName = 'edit'
            Image.Data = {03000000FFD8FF}
            Name = 'P.JPG'
            PropertyName = 'pattern'
          end>
        MasterBitmap.Data = {)" +
           master + R"(}
      end>
    SkinName = 'Test (internal)'
    SkinnedPopups = False
)";
}

void ExpectPicture(const TBitmap& b) {
    const TPixels p = Picture();
    ASSERT_EQ(b.Width(), 6);
    ASSERT_EQ(b.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(static_cast<uint32_t>(b.Pixel(x, y)), p.Pixel(x, y));
}

} // namespace

TEST_F(StoredSkins, EveryPropertyKindStreamsAndLoads) {
    TsSkinManager* m = Read(HandWritten());
    ASSERT_TRUE(m);
    EXPECT_FALSE(m->SkinnedPopups());
    ASSERT_EQ(m->InternalSkins()->Count(), 1);
    const TsStoredSkin& s = *m->InternalSkins()->Items(0);
    EXPECT_EQ(s.GeneralData()->Items(0)->Name, "Global");
    EXPECT_EQ(s.Images()->Items(0)->Name, "MASTER.BMP");
    EXPECT_EQ(s.Patterns()->Items(0)->Name, "P.JPG");

    // Loaded when the definition was done.
    ASSERT_EQ(SkinGeneralData.size(), 3u);
    const TsGeneralData& g = SkinGeneralData[0];
    EXPECT_EQ(g.SectionName, "GLOBALINFO");
    EXPECT_EQ(g.ParentClass, "");
    EXPECT_EQ(g.Color, 0xFFFFFF);
    EXPECT_EQ(g.Bevel, cbRaisedHard);
    EXPECT_EQ(g.ShadowBlur, 4);
    EXPECT_EQ(g.ShadowColor, 0);
    EXPECT_TRUE(g.ShadowDontUse && g.ShadowEnabled && g.ReservedBoolean && g.ShowFocus &&
                g.FadingEnabled);
    EXPECT_EQ(g.ShadowOffset, 2);
    EXPECT_EQ(g.ShadowTransparency, 60);
    EXPECT_EQ((std::vector<TColor>{g.FontColor, g.TCLeft, g.TCTop, g.TCRight, g.TCBottom}),
              (std::vector<TColor>{0, 16777215, -1, -1, -1}));
    EXPECT_EQ(
        (std::vector<TColor>{g.HotFontColor, g.HotTCLeft, g.HotTCTop, g.HotTCRight, g.HotTCBottom}),
        (std::vector<TColor>{0, -1, -1, -1, -1}));
    EXPECT_EQ(g.GradientPercent, 50);
    ASSERT_EQ(g.GradientArray.size(), 2u);
    EXPECT_EQ(g.GradientArray[0].Color1, 14930641);
    EXPECT_EQ(g.GradientArray[0].Percent, 100u);
    EXPECT_EQ(g.ImagePercent, 1);
    EXPECT_EQ(g.FadingIntervalIn, 5);
    EXPECT_EQ(g.FadingIntervalOut, 6);
    EXPECT_EQ(g.FadingIterations, 7);
    EXPECT_EQ(g.HotColor, 12345);
    EXPECT_EQ(g.HotTransparency, 10);
    EXPECT_EQ(g.HotBevel, cbLoweredSoft);
    EXPECT_EQ(g.HotGradientPercent, 20);
    EXPECT_EQ(g.HotGradientData, " ");
    EXPECT_TRUE(g.HotGradientArray.empty());
    EXPECT_EQ(g.HotImagePercent, 3);
    EXPECT_EQ(g.BorderColor1, 0xFF0000);
    EXPECT_EQ(g.BorderColor2, 8);

    // A bevel number without a meaning; six words; five words.
    EXPECT_EQ(SkinGeneralData[1].Bevel, cbNone);
    EXPECT_EQ(SkinGeneralData[1].HotFontColor, 0);
    EXPECT_EQ(SkinGeneralData[1].HotTCLeft, -1);
    EXPECT_EQ(SkinGeneralData[2].HotFontColor, 7);
    EXPECT_EQ(SkinGeneralData[2].HotTCBottom, 11);

    ASSERT_TRUE(SkinMasterBitmap);
    ExpectPicture(*SkinMasterBitmap);
    EXPECT_TRUE(SkinMasterBitmap->Transparent);
    EXPECT_EQ(SkinMasterBitmap->TransparentColor, 0xFF00FF);

    ASSERT_EQ(SkinMasks.size(), 2u);
    EXPECT_EQ(SkinMasks[0].SectionName, "GLOBALINFO");
    EXPECT_EQ(SkinMasks[0].PropertyName, "MASTERBITMAP");
    ASSERT_TRUE(SkinMasks[0].Bmp); // ImageCount 0: a picture of its own
    ExpectPicture(*SkinMasks[0].Bmp);
    EXPECT_FALSE(SkinMasks[1].Bmp);
    EXPECT_EQ(SkinMasks[1].SectionName, "EDIT");
    EXPECT_EQ(SkinMasks[1].R, Rect(0, 44, 21, 68));
    EXPECT_EQ(SkinMasks[1].ImageCount, 1);
    EXPECT_EQ(SkinMasks[1].BorderWidth, 1);
    EXPECT_EQ(GetMaskIndex(2, "COMBOBOX", "BORDERSMASK"), 1);

    ASSERT_EQ(SkinPatterns.size(), 1u);
    EXPECT_EQ(SkinPatterns[0].PropertyName, "PATTERN");
    EXPECT_EQ(SkinPatterns[0].Img, (std::vector<uint8_t>{0xFF, 0xD8, 0xFF}));

    FRoot.reset(); // the default manager removes its skin
    EXPECT_TRUE(SkinGeneralData.empty());
    EXPECT_TRUE(SkinMasks.empty());
    EXPECT_FALSE(SkinMasterBitmap);
}

// The loaded skin paints with the stored pictures themselves; changing a stored
// picture afterwards must not reach the skin on screen.
TEST_F(StoredSkins, LoadedSkinSharesStoredPicturesUntilOneChanges) {
    TsSkinManager* m = Read(HandWritten());
    ASSERT_TRUE(m);
    TsStoredSkin& s = *m->InternalSkins()->Items(0);
    const TsStoredSkin& stored = s;
    const TsSkinImage& image = *s.Images()->Items(0);
    ASSERT_TRUE(SkinMasterBitmap && SkinMasks[0].Bmp);
    EXPECT_EQ(SkinMasterBitmap.get(), &stored.MasterBitmap()->Bitmap());
    EXPECT_EQ(SkinMasks[0].Bmp.get(), &image.Image()->Bitmap());

    s.MasterBitmap()->Bitmap().SetPixel(0, 0, 0x123456);
    s.Images()->Items(0)->Image()->Bitmap().SetSize(1, 1);
    ExpectPicture(*SkinMasterBitmap);
    ExpectPicture(*SkinMasks[0].Bmp);
    EXPECT_EQ(stored.MasterBitmap()->Bitmap().Pixel(0, 0), 0x123456);
}

// Read from a definition whose bitmaps were decoded ahead, as the program's
// start does: the picture the skin stores twice is decoded once and shared,
// and changing one copy leaves the other and the loaded skin as they were.
TEST_F(StoredSkins, PicturesDecodedAheadShareUntilOneChanges) {
    TObjectDefinition def = TFormParser::Parse("object Holder: TComponent\n"
                                               "  object sSkinManager1: TsSkinManager\n" +
                                                   HandWritten() + "  end\nend\n",
                                               "Skin.dfm");
    std::vector<TPredecodedBitmap> decoded;
    const auto predecode = [&](const auto& self,
                               const std::vector<TPropertyAssignment>& props) -> void {
        for (const TPropertyAssignment& a : props) {
            if (a.Value.Kind == TValueKind::vkBinary) PredecodeBitmap(a.Value.Bytes, decoded);
            for (const auto& item : a.Value.CollectionItems)
                self(self, item);
        }
    };
    predecode(predecode, def.Children.at(0).Props);
    ASSERT_EQ(decoded.size(), 2u); // the JPEG pattern is left to the reader
    EXPECT_EQ(decoded[0].Picture, decoded[1].Picture);
    OfferPredecodedBitmaps(std::move(decoded));
    TFormReader(FRoot.get(), "Skin.dfm").Read(std::move(def));
    OfferPredecodedBitmaps({});

    auto* m = static_cast<TsSkinManager*>(FRoot->FindComponent("sSkinManager1"));
    ASSERT_TRUE(m);
    TsStoredSkin& s = *m->InternalSkins()->Items(0);
    const TsStoredSkin& stored = s;
    const TsSkinImage& image = *stored.Images()->Items(0);
    EXPECT_EQ(&stored.MasterBitmap()->Bitmap(), &image.Image()->Bitmap());
    ExpectPicture(image.Image()->Bitmap());
    s.MasterBitmap()->Bitmap().SetPixel(0, 0, 0x123456);
    ExpectPicture(image.Image()->Bitmap());
    ExpectPicture(*SkinMasterBitmap);
    EXPECT_EQ(stored.MasterBitmap()->Bitmap().Pixel(0, 0), 0x123456);
}

TEST_F(StoredSkins, BadPicturesAndGradientsAreClearErrors) {
    try {
        Read(HandWritten("0500000042"));
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_NE(std::string(e.what()).find("Picture data holds 1 bytes but says 5"),
                  std::string::npos)
            << e.what();
    }
    try {
        Read(HandWritten("0300000042"
                         "4D00"));
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_NE(std::string(e.what()).find("Invalid bitmap"), std::string::npos) << e.what();
    }
    std::string text = HandWritten();
    text.replace(text.find("14930641;"), 9, "1493x641;");
    // The gradient is parsed when the skin loads, after the definition was read.
    EXPECT_THROW(Read(text), EConvertError);
    EXPECT_TRUE(SkinGeneralData.empty());
    EXPECT_FALSE(GlobalSkinData->SkinReady);
}

TEST_F(StoredSkins, WrittenSkinsReadBackTheSame) {
    TsStoredSkins skins;
    TsStoredSkin* s = skins.Add();
    s->Name = "It's (internal)";
    s->MasterBitmap()->Bitmap().Pixels() = Picture();
    for (int i = 0; i < 3; ++i) {
        TsSkinGeneral* g = s->GeneralData()->Add();
        g->SectionName = "S" + std::to_string(i);
        g->ParentClass = i ? "S0" : "";
        g->Color = 100 + i, g->Bevel = static_cast<TsControlBevel>(i);
        g->ShadowBlur = i + 1, g->ShadowColor = i + 2, g->ShadowDontUse = i == 1;
        g->ShadowEnabled = i == 2, g->ReservedBoolean = i == 0, g->ShadowOffset = -i;
        g->ShadowTransparency = 7, g->FontColor = "0 16777215 -1 -1 -1";
        g->HotFontColor = "1 -1 -1 -1 -1", g->Transparency = 100, g->GradientPercent = 30;
        g->GradientData = "1;2;3;4;5", g->ImagePercent = 4, g->ShowFocus = true;
        g->FadingEnabled = true, g->FadingIntervalIn = 9, g->FadingIntervalOut = 10;
        g->FadingIterations = 11, g->HotColor = 12, g->HotTransparency = 13;
        g->HotBevel = cbLoweredHard, g->HotGradientPercent = 14, g->HotGradientData = " ";
        g->HotImagePercent = 15, g->BorderColor1 = -1, g->BorderColor2 = 16, g->Name = "n";
    }
    TsSkinImage* own = s->Images()->Add();
    own->SectionName = "S0", own->Name = "own.bmp", own->PropertyName = "GLYPHMASK";
    own->Image()->Bitmap().Pixels() = Picture();
    TsSkinImage* rect = s->Images()->Add();
    rect->SectionName = "S1", rect->PropertyName = "BORDERSMASK", rect->Left = 1;
    rect->Top = 2, rect->Right = 3, rect->Bottom = 4, rect->ImageCount = 3, rect->MaskType = 1;
    rect->BorderWidth = 2;
    TsSkinPattern* pat = s->Patterns()->Add();
    pat->SectionName = "S2", pat->Name = "a.jpg", pat->PropertyName = "HOTPATTERN";
    pat->Image()->Bytes = {1, 2, 3};

    TsSkinManager* m = Read(WriteInternalSkins(skins, "    ") + "    SkinName = 'none'\n");
    // No stored skin of that name: the first one is taken.
    EXPECT_EQ(m->SkinName(), "It's (internal)");
    const TsStoredSkin& r = *m->InternalSkins()->Items(0);
    EXPECT_EQ(r.Name, s->Name);
    ExpectPicture(r.MasterBitmap()->Bitmap());
    ASSERT_EQ(r.GeneralData()->Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TsSkinGeneral &a = *s->GeneralData()->Items(i), &b = *r.GeneralData()->Items(i);
        EXPECT_EQ(std::tie(a.SectionName, a.ParentClass, a.Color, a.Bevel, a.ShadowBlur,
                           a.ShadowColor, a.ShadowDontUse, a.ShadowEnabled, a.ReservedBoolean,
                           a.ShadowOffset, a.ShadowTransparency, a.FontColor, a.HotFontColor,
                           a.Transparency, a.GradientPercent, a.GradientData, a.ImagePercent),
                  std::tie(b.SectionName, b.ParentClass, b.Color, b.Bevel, b.ShadowBlur,
                           b.ShadowColor, b.ShadowDontUse, b.ShadowEnabled, b.ReservedBoolean,
                           b.ShadowOffset, b.ShadowTransparency, b.FontColor, b.HotFontColor,
                           b.Transparency, b.GradientPercent, b.GradientData, b.ImagePercent));
        EXPECT_EQ(std::tie(a.ShowFocus, a.FadingEnabled, a.FadingIntervalIn, a.FadingIntervalOut,
                           a.FadingIterations, a.HotColor, a.HotTransparency, a.HotBevel,
                           a.HotGradientPercent, a.HotGradientData, a.HotImagePercent,
                           a.BorderColor1, a.BorderColor2, a.Name),
                  std::tie(b.ShowFocus, b.FadingEnabled, b.FadingIntervalIn, b.FadingIntervalOut,
                           b.FadingIterations, b.HotColor, b.HotTransparency, b.HotBevel,
                           b.HotGradientPercent, b.HotGradientData, b.HotImagePercent,
                           b.BorderColor1, b.BorderColor2, b.Name));
    }
    ASSERT_EQ(r.Images()->Count(), 2);
    ExpectPicture(r.Images()->Items(0)->Image()->Bitmap());
    const TsSkinImage& ri = *r.Images()->Items(1);
    EXPECT_EQ(std::tie(ri.SectionName, ri.PropertyName, ri.Left, ri.Top, ri.Right, ri.Bottom,
                       ri.ImageCount, ri.MaskType, ri.BorderWidth),
              std::tie(rect->SectionName, rect->PropertyName, rect->Left, rect->Top, rect->Right,
                       rect->Bottom, rect->ImageCount, rect->MaskType, rect->BorderWidth));
    EXPECT_EQ(r.Patterns()->Items(0)->Image()->Bytes, pat->Image()->Bytes);
    EXPECT_EQ(SkinGeneralData.size(), 3u);
    EXPECT_EQ(SkinGeneralData[1].ParentClass, "S0");
}
