// Loading skin folders through the skin manager, with real files: masks from
// the master bitmap and from bitmap files, JPEG patterns and the small ones
// kept as masks, file names in another case, the old-skin notice, and the
// errors that leave the skin shown before in place.

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/stdctrls/MessageBox.h"
#include "platform/BmpDecoder.h"
#include "platform/JpegEncoder.h"
#include "skin/CommonSkinIndexes.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/folder/ESkinFolderError.h"
#include "skin/folder/SkinFolderFiles.h"
#include "skin/folder/SkinFolderLoader.h"
#include "tests/HeadlessApp.h"

namespace {

std::string Bytes(const std::vector<uint8_t>& v) {
    return std::string(v.begin(), v.end());
}

TPixels Solid(int w, int h, TColor color) {
    TPixels p(w, h);
    p.Fill(color);
    return p;
}

class SkinFolderLoad : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        InstallSkinFolderLoader();
        Manager = std::make_unique<TsSkinManager>(nullptr);
        TsStoredSkin* stored = Manager->InternalSkins()->Add();
        stored->Name = "Stored";
        TsSkinGeneral* g = stored->GeneralData()->Add();
        g->SetDefaults();
        g->SectionName = "GLOBALINFO";
        g->Color = 0x123456;
        Manager->SetSkinDirectory(Dir.Path());
        Manager->SetSkinName("Stored");
    }
    void TearDown() override {
        Manager.reset();
        HeadlessApp::TearDown();
    }

    // A skin folder Name with Options.dat and the files given.
    void Folder(const std::string& name, const std::string& options,
                const std::vector<std::pair<std::string, std::string>>& files = {}) {
        std::filesystem::create_directories(Dir / name);
        Dir.Write(name + "/Options.dat", options);
        for (const auto& [file, bytes] : files) {
            std::filesystem::create_directories(
                std::filesystem::path(Dir / (name + "/" + file)).parent_path());
            Dir.Write(name + "/" + file, bytes);
        }
    }
    void ExpectStoredSkinShown() {
        EXPECT_EQ(Manager->SkinName(), "Stored");
        ASSERT_EQ(SkinGeneralData.size(), 1u);
        EXPECT_EQ(SkinGeneralData[0].Color, 0x123456);
        EXPECT_TRUE(SkinMasks.empty());
        EXPECT_TRUE(GlobalSkinData->SkinReady);
        EXPECT_FALSE(GlobalSkinData->IniFile);
        EXPECT_EQ(CommonSkinIndexes.GlobalInfo, 0);
    }

    TTempFolder Dir;
    std::unique_ptr<TsSkinManager> Manager;
};

const std::string Options = "[GLOBALINFO]\nVERSION=6.1\nAUTHOR=Us\nMasterBitmap=Master.BMP\n"
                            "BOXCHECKED=#(0,0,12,8)(2,1,0)\nBOXGRAYED=gone.bmp\n"
                            "[Button]\nBORDERSMASK=#(0,8,9,14)(1,0,1)\n"
                            "GLYPHMASK=masks\\Glyph.bmp\nPATTERN=Small.JPG\n"
                            "HOTPATTERN=big.jpeg\nIMAGEPERCENT=100\nHOTIMAGEPERCENT=50\n"
                            "[Panel]\nPATTERN=wide.jpg\nHOTPATTERN=missing.jpg\n";

} // namespace

TEST_F(SkinFolderLoad, MasksPatternsAndSectionsOfAFolder) {
    Folder("Dark", Options,
           {{"master.bmp", Bytes(EncodeBmp24(Solid(16, 16, 0x00FF00)))},
            {"Masks/glyph.BMP", Bytes(EncodeBmp24(Solid(6, 4, 0x0000FF)))},
            {"small.jpg", Bytes(EncodeJpeg(Solid(299, 300, 0x808080)))},
            {"big.jpeg", Bytes(EncodeJpeg(Solid(300, 300, 0x404040), {90, true}))},
            {"wide.jpg", Bytes(EncodeJpeg(Solid(900, 100, 0x202020)))}});
    Manager->SetSkinName("Dark");
    EXPECT_EQ(Manager->SkinName(), "Dark");
    EXPECT_TRUE(GlobalSkinData->SkinReady);
    EXPECT_EQ(GlobalSkinData->Version, 6.1);
    EXPECT_EQ(GlobalSkinData->Author, "Us");
    ASSERT_TRUE(SkinMasterBitmap);
    EXPECT_EQ(SkinMasterBitmap->Width(), 16);

    // Masks in file order (missing files skipped), then the small picture.
    ASSERT_EQ(SkinMasks.size(), 4u);
    EXPECT_EQ(SkinMasks[0].PropertyName, "BOXCHECKED");
    EXPECT_EQ(SkinMasks[0].R, (TRect{0, 0, 12, 8}));
    EXPECT_EQ(SkinMasks[0].ImageCount, 2);
    EXPECT_EQ(SkinMasks[1].SectionName, "BUTTON");
    EXPECT_EQ(SkinMasks[1].BorderWidth, 1);
    EXPECT_EQ(SkinMasks[2].PropertyName, "GLYPHMASK");
    ASSERT_TRUE(SkinMasks[2].Bmp);
    EXPECT_EQ(SkinMasks[2].Bmp->Pixels().Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(SkinMasks[3].PropertyName, "PATTERN");
    EXPECT_EQ(SkinMasks[3].Bmp->Width(), 299);

    ASSERT_EQ(SkinPatterns.size(), 2u);
    EXPECT_EQ(SkinPatterns[0].SectionName, "BUTTON");
    EXPECT_EQ(SkinPatterns[0].PropertyName, "HOTPATTERN");
    EXPECT_EQ(SkinPatterns[1].SectionName, "PANEL");
    EXPECT_EQ(SkinPatterns[0].Img.size(), std::filesystem::file_size(Dir / "Dark/big.jpeg"));

    ASSERT_EQ(SkinGeneralData.size(), 3u);
    EXPECT_EQ(SkinGeneralData[1].SectionName, "Button");
    // The hot look tiles the decoded pattern; the normal look the small picture's mask.
    const int button = GetSkinIndex("BUTTON");
    EXPECT_EQ(SkinSectionLook(button, "", false, true).Pattern, SkinMasks[3].Bmp.get());
    EXPECT_EQ(SkinSectionLook(button, "", true, true).Pattern, SkinPatterns[0].Bmp.get());

    // Back to the stored skin: nothing of the folder is left.
    Manager->SetSkinName("Stored");
    ExpectStoredSkinShown();
    EXPECT_TRUE(SkinPatterns.empty());
    EXPECT_EQ(GlobalSkinData->SkinPath, "");
}

TEST_F(SkinFolderLoad, AnUnreadablePictureIsAnErrorThatKeepsTheSkinShown) {
    const std::string master = Bytes(EncodeBmp24(Solid(16, 16, 0)));
    const std::string jpeg = Bytes(EncodeJpeg(Solid(300, 300, 0x404040), {90, true}));
    const std::pair<std::string, std::string> broken[] = {
        {"Master.bmp", "BM not really"},
        {"masks/glyph.bmp", "BM\x01\x02"},
        {"small.jpg", jpeg.substr(0, jpeg.size() / 3)}, // truncated
        {"big.jpeg", "\xFF\xD8\xFF\xE0 garbage"},
    };
    for (const auto& [file, bytes] : broken) {
        std::vector<std::pair<std::string, std::string>> files = {{"master.bmp", master},
                                                                  {"masks/glyph.bmp", master},
                                                                  {"small.jpg", jpeg},
                                                                  {"big.jpeg", jpeg}};
        for (auto& f : files)
            if (UpperSkinName(f.first) == UpperSkinName(file)) f.second = bytes;
        Folder("Broken", Options, files);
        try {
            Manager->SetSkinName("Broken");
            ADD_FAILURE() << file;
        } catch (const ESkinFolderError& e) {
            EXPECT_NE(std::string(e.what()).find("Broken/"), std::string::npos) << e.what();
        }
        ExpectStoredSkinShown();
        std::filesystem::remove_all(Dir / "Broken");
    }
    // A rectangle whose numbers are not numbers.
    Folder("BadRect", "[GLOBALINFO]\nMASTERBITMAP=m.bmp\n[A]\nBORDERSMASK=#(0,x,4,4)(1,0,0)\n",
           {{"m.bmp", master}});
    EXPECT_THROW(Manager->SetSkinName("BadRect"), ESkinFolderError);
    ExpectStoredSkinShown();
}

// At start nothing is shown yet: the error box, and the windows go on unskinned.
TEST_F(SkinFolderLoad, AFolderThatFailsAtStartIsShownAndTheProgramGoesOn) {
    Manager.reset();
    Folder("Broken", "[GLOBALINFO]\nMASTERBITMAP=m.bmp\n", {{"m.bmp", "not a bitmap"}});
    NewForm();
    ReadComponentResource(Form,
                          "object Form1: TForm\n  object sSkinManager1: TsSkinManager\n"
                          "    SkinDirectory = '" +
                              Dir.Path() + "'\n    SkinName = 'Broken'\n  end\nend\n",
                          "Unit1.dfm");
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_NE(MessageBoxLog()[0].Text.find("Broken/m.bmp"), std::string::npos);
    EXPECT_TRUE(SkinMasks.empty());
    EXPECT_FALSE(GlobalSkinData->SkinReady);
    EXPECT_FALSE(GlobalSkinData->IniFile);
}

TEST_F(SkinFolderLoad, AnOldSkinGetsTheNoticeAndNoSections) {
    Folder("Old", "[GLOBALINFO]\nMASTERBITMAP=m.bmp\nBOXCHECKED=#(0,0,4,4)(1,0,0)\n[TsEdit]\n",
           {{"m.bmp", Bytes(EncodeBmp24(Solid(8, 8, 0)))}});
    Manager->SetSkinName("Old");
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].Text, OldSkinNotice);
    EXPECT_EQ(MessageBoxLog()[0].Caption, "Test App");
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
    EXPECT_TRUE(SkinGeneralData.empty());
    EXPECT_EQ(SkinMasks.size(), 1u);
    EXPECT_TRUE(GlobalSkinData->SkinReady);
}

TEST_F(SkinFolderLoad, FileNamesMatchWithoutRegardToCase) {
    Folder("Case", "", {{"Sub Dir/Pic.Bmp", "x"}, {"exact.bmp", "a"}, {"EXACT.BMP", "b"}});
    const std::string folder = Dir / "Case/";
    EXPECT_EQ(FindSkinFile(folder, "sub dir\\PIC.bmp"), Dir / "Case/Sub Dir/Pic.Bmp");
    EXPECT_EQ(FindSkinFile(folder, "EXACT.BMP"), Dir / "Case/EXACT.BMP");
    EXPECT_EQ(FindSkinFile(folder, "exact.bmp"), Dir / "Case/exact.bmp");
    EXPECT_EQ(FindSkinFile(folder, "Sub Dir"), std::nullopt); // a folder is no picture
    EXPECT_EQ(FindSkinFile(folder, "nothing.bmp"), std::nullopt);
    EXPECT_EQ(FindSkinFile(folder, ""), std::nullopt);
    EXPECT_EQ(FindSkinFile(folder, "c:\\x.bmp"), std::nullopt);
}
