// Reading the sections of a skin folder's Options.dat: keys through the chain
// of parent classes, the defaults of the field list, booleans, numbers, the
// version, and chains of parents that come back on themselves.

#include <gtest/gtest.h>

#include <clocale>

#include "framework/graphics/Graphics.h"
#include "skin/SkinIniSections.h"
#include "skin/folder/ESkinFolderError.h"
#include "skin/folder/SkinFolderFiles.h"
#include "skin/folder/SkinFolderSections.h"

namespace {

TsGeneralData Read(const std::string& text, const std::string& section,
                   std::vector<std::string>* notices = nullptr) {
    TsMemIniFile ini;
    ini.SetText(text);
    return ReadFolderSection(ini, section, notices);
}

} // namespace

TEST(SkinFolderSections, KeysComeFromTheChainOfParentsElseTheDefault) {
    const std::string text = "[Button]\nCOLOR=255\nSHADOWCOLOR=77\nTCLEFT=255\nFONTCOLOR=$10\n"
                             "SHADOWBLUR=0x20\nGRADIENTDATA=255;0;100;0;0;0;0;0;0;0\n"
                             "[BigButton]\nparentclass=BUTTON\nTCLEFT=-1\nSHADOWBLUR=many\n"
                             "[Edit]\nPARENTCLASS=Missing\n";
    const TsGeneralData big = Read(text, "BigButton");
    EXPECT_EQ(big.SectionName, "BigButton");
    EXPECT_EQ(big.ParentClass, "BUTTON");
    EXPECT_EQ(big.Color, 255);
    EXPECT_EQ(big.TCLeft, 255); // an explicit -1 counts as missing
    EXPECT_EQ(big.FontColor, 16);
    EXPECT_EQ(big.ShadowBlur, 32); // not a number: inherited too
    EXPECT_EQ(big.ShadowColor, 0); // never inherited
    EXPECT_EQ(big.GradientData, "255;0;100;0;0;0;0;0;0;0");
    EXPECT_FALSE(big.GradientArray.empty());

    // No parent to ask: every field is the default of the field list.
    const TsGeneralData edit = Read(text, "Edit");
    TsGeneralData defaults = IniSectionDefaults();
    EXPECT_EQ(edit.Color, 16777215);
    EXPECT_EQ(edit.ShadowBlur, defaults.ShadowBlur);
    EXPECT_EQ(edit.ShadowOffset, 3);
    EXPECT_EQ(edit.ShadowTransparency, 50);
    EXPECT_EQ(edit.FadingIntervalIn, 5);
    EXPECT_EQ(edit.FadingIterations, 5);
    EXPECT_EQ(edit.HotColor, 16777215);
    EXPECT_EQ(edit.TCTop, -1);
    EXPECT_EQ(edit.GradientData, " ");
    EXPECT_EQ(edit.HotGradientData, "");
    EXPECT_TRUE(edit.GradientArray.empty());
}

TEST(SkinFolderSections, OnlyColourBecomesRgbAndOnlyTrueIsTrue) {
    const TColor buttonFace = static_cast<TColor>(0xFF00000F);
    const std::string text = "[A]\nCOLOR=" + std::to_string(buttonFace) +
                             "\nHOTCOLOR=" + std::to_string(buttonFace) +
                             "\nSHOWFOCUS=true\nFADINGENABLED=1\nSHADOWENABLED= TRUE \n"
                             "[B]\nPARENTCLASS=A\nSHOWFOCUS=false\nBEVEL=3\nHOTBEVEL=9\n";
    const TsGeneralData a = Read(text, "A");
    EXPECT_EQ(a.Color, ColorToRGB(clBtnFace));
    EXPECT_EQ(a.HotColor, buttonFace);
    EXPECT_TRUE(a.ShowFocus);
    EXPECT_FALSE(a.FadingEnabled);
    EXPECT_TRUE(a.ShadowEnabled); // values are trimmed
    const TsGeneralData b = Read(text, "B");
    EXPECT_FALSE(b.ShowFocus);
    EXPECT_TRUE(b.ShadowEnabled); // a missing boolean is inherited
    EXPECT_EQ(b.Bevel, cbRaisedHard);
    EXPECT_EQ(b.HotBevel, cbNone); // no such bevel
}

TEST(SkinFolderSections, ParentChainsThatComeBackStopAndAreReported) {
    const std::string text = "[Self]\nPARENTCLASS=SELF\n"
                             "[A]\nPARENTCLASS=B\nCOLOR=1\n"
                             "[B]\nPARENTCLASS=C\nSHADOWBLUR=2\n"
                             "[C]\nPARENTCLASS=a\nSHADOWOFFSET=4\n";
    std::vector<std::string> notices;
    const TsGeneralData self = Read(text, "Self", &notices);
    EXPECT_EQ(self.Color, 16777215);
    EXPECT_TRUE(notices.empty()); // naming itself is the end of a chain, not a fault

    const TsGeneralData a = Read(text, "A", &notices);
    EXPECT_EQ(a.Color, 1);
    EXPECT_EQ(a.ShadowBlur, 2);
    EXPECT_EQ(a.ShadowOffset, 4);
    EXPECT_EQ(a.ShadowTransparency, 50); // nowhere in the loop: the default
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Section A: the chain of parent classes comes back to a after C; it "
                          "stops there.");
}

TEST(SkinFolderSections, VersionReadsWithAPointWhateverTheLocale) {
    // A locale whose decimal separator is a comma, where one is installed.
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "pt_BR.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) break;
    const std::pair<const char*, double> cases[] = {
        {"[GLOBALINFO]\nVERSION=5.25\n", 5.25},
        {"[globalinfo]\nversion=6\n", 6},
        {"[GLOBALINFO]\nVERSION=5,25\n", 0},
        {"[GLOBALINFO]\n", 0},
    };
    for (const auto& [text, version] : cases) {
        TsMemIniFile ini;
        ini.SetText(text);
        EXPECT_EQ(ReadSkinVersion(ini), version) << text;
    }
    std::setlocale(LC_NUMERIC, before.c_str());
}

TEST(SkinFolderSections, ABadGradientNamesItsSectionAndKey) {
    try {
        Read("[Panel]\nHOTGRADIENTDATA=1;2;half;0;0\n", "Panel");
        FAIL();
    } catch (const ESkinFolderError& e) {
        EXPECT_NE(std::string(e.what()).find("section Panel, key HOTGRADIENTDATA"),
                  std::string::npos)
            << e.what();
    }
}
