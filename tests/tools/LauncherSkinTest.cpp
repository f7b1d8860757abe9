#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "LauncherDefinition.h"
#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "paint/Gradient.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

namespace {

// The manager's block of the main window's definition, read on its own under a
// plain component by the form reader, as the main window reads it.
class LauncherSkin : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClass(TsSkinManager::StaticClassInfo());
        const std::string& text = MainDefinition();
        const size_t start = text.find("  object sSkinManager1: TsSkinManager\n");
        ASSERT_NE(start, std::string::npos);
        const size_t end = text.find("\n  end\n", start);
        ASSERT_NE(end, std::string::npos);
        FRoot = std::make_unique<TComponent>(nullptr);
        ReadComponentResource(FRoot.get(),
                              "object Holder: TComponent\n" + text.substr(start, end + 7 - start) +
                                  "end\n",
                              "Unit1.dfm");
        FManager = static_cast<TsSkinManager*>(FRoot->FindComponent("sSkinManager1"));
        ASSERT_NE(FManager, nullptr);
        ASSERT_EQ(FManager->InternalSkins()->Count(), 1);
        FSkin = FManager->InternalSkins()->Items(0);
    }
    void TearDown() override { FRoot.reset(); }

    int Mask(const char* section, const char* property) const {
        return GetMaskIndex(GetSkinIndex(section), section, property);
    }

    std::unique_ptr<TComponent> FRoot;
    TsSkinManager* FManager = nullptr;
    TsStoredSkin* FSkin = nullptr;
};

TEST_F(LauncherSkin, LoadsWithTheStatedCounts) {
    EXPECT_EQ(FManager->SkinName(), "Office12Style (internal)");
    EXPECT_FALSE(FManager->SkinnedPopups());
    EXPECT_EQ(FSkin->Name, "Office12Style (internal)");
    EXPECT_EQ(FSkin->GeneralData()->Count(), 55);
    EXPECT_EQ(FSkin->Images()->Count(), 76);
    EXPECT_EQ(FSkin->Patterns()->Count(), 0);

    std::map<std::string, int> byProperty;
    std::set<std::string> stateImages;
    for (const auto& i : *FSkin->Images()) {
        ++byProperty[i->PropertyName];
        if (i->PropertyName != "BORDERSMASK" && i->PropertyName != "GLYPHMASK" &&
            i->PropertyName != "MASTERBITMAP")
            stateImages.insert(i->PropertyName);
    }
    EXPECT_EQ(byProperty["BORDERSMASK"], 43);
    EXPECT_EQ(byProperty["GLYPHMASK"], 8);
    EXPECT_EQ(byProperty["MASTERBITMAP"], 1);
    const std::set<std::string> listed = {
        "BOXCHECKED",   "BOXUNCHECKED",   "BOXGRAYED",  "RADIOCHECKED", "RADIOUNCHECKED",
        "SMALLCHECKED", "SMALLUNCHECKED", "SLIDERMASK", "SLIDERVMASK",  "SLIDERCHANNEL",
        "GRIPIMAGE",    "TITLEBUTTON",    "BICONCLOSE", "BICONMAX",     "BICONMIN",
        "BICONNORM",    "BICONHELP"};
    EXPECT_EQ(stateImages, listed);

    // The manager loaded the skin when its block was read.
    EXPECT_EQ(SkinGeneralData.size(), 55u);
    EXPECT_EQ(SkinMasks.size(), 76u);
    ASSERT_NE(SkinMasterBitmap, nullptr);
    EXPECT_EQ(SkinMasterBitmap->Width(), 348);
    EXPECT_EQ(SkinMasterBitmap->Height(), 207);
}

TEST_F(LauncherSkin, ExampleRectanglesAndSectionValues) {
    struct TExample {
        const char* Section;
        const char* Property;
        TRect R;
        int Count, Type, Border;
    };
    const TExample examples[] = {{"GLOBALINFO", "BOXCHECKED", {147, 27, 195, 44}, 3, 0, 0},
                                 {"GAUGE", "BORDERSMASK", {0, 44, 21, 68}, 1, 0, 1},
                                 {"BUTTON", "BORDERSMASK", {0, 44, 63, 92}, 3, 1, 0}};
    for (const TExample& e : examples) {
        const int m = Mask(e.Section, e.Property);
        ASSERT_GE(m, 0) << e.Section << " " << e.Property;
        const TsMaskData& d = SkinMasks[m];
        EXPECT_EQ(d.R, e.R) << e.Section;
        EXPECT_EQ(d.ImageCount, e.Count) << e.Section;
        EXPECT_EQ(d.MaskType, e.Type) << e.Section;
        EXPECT_EQ(d.BorderWidth, e.Border) << e.Section;
    }
    const TsMaskData& edit = SkinMasks[Mask("EDIT", "BORDERSMASK")];
    EXPECT_EQ(edit.R.Right - edit.R.Left, 39);
    EXPECT_EQ(edit.R.Bottom - edit.R.Top, 39);
    EXPECT_EQ(edit.ImageCount, 1);
    EXPECT_EQ(edit.MaskType, 0);
    EXPECT_EQ(edit.BorderWidth, 1);

    const TsSkinImage* master = nullptr;
    for (const auto& i : *FSkin->Images())
        if (i->PropertyName == "MASTERBITMAP") master = i.get();
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->ImageCount, 0);
    EXPECT_EQ(master->Image()->Bitmap().Pixels().Width(), 348);

    EXPECT_EQ(SkinGeneralData[GetSkinIndex("GLOBALINFO")].Color, 13744054);
    for (const auto& g : *FSkin->GeneralData()) {
        EXPECT_EQ(g->ReservedBoolean, g->SectionName == "DIALOG") << g->SectionName;
        const bool fades = g->SectionName == "BUTTON" || g->SectionName == "BUTTON_BIG" ||
                           g->SectionName == "TRACKBAR";
        EXPECT_EQ(g->FadingEnabled, fades) << g->SectionName;
        EXPECT_EQ(g->FadingIntervalIn, fades ? 30 : 5) << g->SectionName;
        EXPECT_EQ(g->FadingIntervalOut, 5);
        EXPECT_EQ(g->FadingIterations, 5);
        for (const std::string* colors : {&g->FontColor, &g->HotFontColor}) {
            std::istringstream words(*colors);
            std::vector<long> n{std::istream_iterator<long>(words), std::istream_iterator<long>()};
            EXPECT_EQ(n.size(), 5u) << g->SectionName << " '" << *colors << "'";
            EXPECT_TRUE(words.eof()) << g->SectionName;
        }
        // A gradient is either none (one blank) or whole groups ending in an empty one.
        for (const std::string* grad : {&g->GradientData, &g->HotGradientData}) {
            if (*grad == " ") continue;
            const TsGradArray groups = ParseGradientData(*grad);
            ASSERT_GE(groups.size(), 2u) << g->SectionName;
            EXPECT_EQ(groups.back().Percent, 0u) << g->SectionName;
            EXPECT_EQ(std::count(grad->begin(), grad->end(), ';') + 1, long(groups.size() * 5));
        }
    }
}

TEST_F(LauncherSkin, EveryMaskLiesInsideTheMasterAndDividesIntoItsCells) {
    const TBitmap& master = *SkinMasterBitmap;
    for (const TsMaskData& m : SkinMasks) {
        if (m.Bmp) continue;
        SCOPED_TRACE(m.SectionName + " " + m.PropertyName);
        ASSERT_GE(m.ImageCount, 1);
        EXPECT_GE(m.R.Left, 0);
        EXPECT_GE(m.R.Top, 0);
        EXPECT_LE(m.R.Right, master.Width());
        EXPECT_LE(m.R.Bottom, master.Height());
        const int w = m.R.Right - m.R.Left, h = m.R.Bottom - m.R.Top;
        EXPECT_EQ(w % m.ImageCount, 0);
        EXPECT_EQ(h % (m.MaskType + 1), 0);
        if (m.PropertyName == "BORDERSMASK") {
            EXPECT_EQ(w / m.ImageCount % 3, 0);
            EXPECT_EQ(h / (m.MaskType + 1) % 3, 0);
        }
        // Alpha rows hold greys only: one see-through amount for every channel.
        if (m.MaskType == 1)
            for (int y = m.R.Top + h / 2; y < m.R.Bottom; ++y)
                for (int x = m.R.Left; x < m.R.Right; ++x) {
                    const TColor c = master.Pixel(x, y);
                    ASSERT_TRUE((c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF))
                        << x << "," << y;
                }
    }
}

// Masks share a rectangle, or one lies inside another (the gauge's frame is
// the normal button's picture); otherwise no two masks overlap.
TEST_F(LauncherSkin, MasksOverlapOnlyWhereOneIsPartOfAnother) {
    auto inside = [](const TRect& a, const TRect& b) {
        return a.Left >= b.Left && a.Top >= b.Top && a.Right <= b.Right && a.Bottom <= b.Bottom;
    };
    for (size_t i = 0; i < SkinMasks.size(); ++i)
        for (size_t j = i + 1; j < SkinMasks.size(); ++j) {
            const TRect a = SkinMasks[i].R, b = SkinMasks[j].R;
            if (SkinMasks[i].Bmp || SkinMasks[j].Bmp) continue;
            const bool overlap =
                a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
            if (overlap) {
                EXPECT_TRUE(inside(a, b) || inside(b, a))
                    << SkinMasks[i].SectionName << " " << SkinMasks[i].PropertyName << " and "
                    << SkinMasks[j].SectionName << " " << SkinMasks[j].PropertyName;
            }
        }
}

// Border pieces are repeated along their side, so the middle third of a cell
// must not change along the side it is repeated on: a seam would show every
// few pixels. Checked on the pictures and on the alpha rows.
TEST_F(LauncherSkin, BorderEdgesRepeatWithoutSeams) {
    const TBitmap& master = *SkinMasterBitmap;
    for (const TsMaskData& m : SkinMasks) {
        if (m.Bmp || m.PropertyName != "BORDERSMASK") continue;
        SCOPED_TRACE(m.SectionName);
        const int cw = (m.R.Right - m.R.Left) / m.ImageCount;
        const int ch = (m.R.Bottom - m.R.Top) / (m.MaskType + 1);
        const int pw = cw / 3, ph = ch / 3;
        for (int row = 0; row <= m.MaskType; ++row)
            for (int cell = 0; cell < m.ImageCount; ++cell) {
                const int left = m.R.Left + cell * cw, top = m.R.Top + row * ch;
                for (int y = 0; y < ch; ++y)
                    for (int x = pw; x < 2 * pw; ++x)
                        ASSERT_EQ(master.Pixel(left + x, top + y), master.Pixel(left + pw, top + y))
                            << "cell " << cell << " row " << row << " at " << x << "," << y;
                for (int y = ph; y < 2 * ph; ++y)
                    for (int x = 0; x < cw; ++x)
                        ASSERT_EQ(master.Pixel(left + x, top + y), master.Pixel(left + x, top + ph))
                            << "cell " << cell << " row " << row << " at " << x << "," << y;
            }
    }
}

TEST_F(LauncherSkin, EverySectionAndMaskThatIsLookedUpExists) {
    for (const char* name :
         {"GLOBALINFO",  "FORM",        "FORMTITLE",  "TITLEBAR", "MENULINE",  "MDIAREA",
          "DIALOG",      "BUTTON",      "BUTTON_BIG", "EDIT",     "COMBOBOX",  "CHECKBOX",
          "RADIOBUTTON", "PANEL",       "PANEL_LOW",  "GROUPBOX", "GAUGE",     "PROGRESSH",
          "PROGRESSV",   "TRACKBAR",    "STATUSBAR",  "DIVIDER",  "WEBBUTTON", "TOOLBAR",
          "TOOLBUTTON",  "SPEEDBUTTON", "SPLITTER",   "DRAGBAR",  "BAR",       "BARTITLE",
          "TABSHEET",    "PAGECONTROL", "TABCONTROL"})
        EXPECT_GE(GetSkinIndex(name), 0) << name;
    const std::pair<const char*, const char*> masks[] = {
        {"FORM", "BORDERSMASK"},        {"FORM", "GRIPIMAGE"},
        {"FORM", "BICONCLOSE"},         {"FORM", "BICONMAX"},
        {"FORM", "BICONMIN"},           {"FORM", "BICONNORM"},
        {"FORM", "BICONHELP"},          {"FORM", "TITLEBUTTON"},
        {"FORMTITLE", "BORDERSMASK"},   {"BUTTON", "BORDERSMASK"},
        {"EDIT", "BORDERSMASK"},        {"COMBOBOX", "BORDERSMASK"},
        {"COMBOBOX", "GLYPHMASK"},      {"PANEL", "BORDERSMASK"},
        {"GROUPBOX", "BORDERSMASK"},    {"GAUGE", "BORDERSMASK"},
        {"PROGRESSH", "BORDERSMASK"},   {"PROGRESSV", "BORDERSMASK"},
        {"TRACKBAR", "SLIDERMASK"},     {"TRACKBAR", "SLIDERVMASK"},
        {"TRACKBAR", "SLIDERCHANNEL"},  {"STATUSBAR", "GRIPIMAGE"},
        {"DIVIDER", "BORDERSMASK"},     {"GLOBALINFO", "BOXCHECKED"},
        {"GLOBALINFO", "BOXUNCHECKED"}, {"GLOBALINFO", "BOXGRAYED"},
        {"GLOBALINFO", "RADIOCHECKED"}, {"GLOBALINFO", "RADIOUNCHECKED"},
        {"GLOBALINFO", "SMALLCHECKED"}, {"GLOBALINFO", "SMALLUNCHECKED"}};
    for (const auto& [section, property] : masks)
        EXPECT_GE(Mask(section, property), 0) << section << " " << property;
    for (const char* side : {"TOP", "BOTTOM", "LEFT", "RIGHT"}) {
        const std::string tab = std::string("TAB") + side, button = std::string("SCROLLBTN") + side;
        EXPECT_GE(Mask(tab.c_str(), "BORDERSMASK"), 0) << tab;
        EXPECT_GE(Mask(button.c_str(), "BORDERSMASK"), 0) << button;
        EXPECT_GE(Mask(button.c_str(), "GLYPHMASK"), 0) << button;
    }
    for (const char* name : {"SCROLLSLIDERV", "SCROLLSLIDERH"}) {
        EXPECT_GE(Mask(name, "BORDERSMASK"), 0) << name;
        EXPECT_GE(Mask(name, "GLYPHMASK"), 0) << name;
    }
    for (const char* name : {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"})
        EXPECT_GE(Mask(name, "BORDERSMASK"), 0) << name;
}

double Luminance(TColor c) {
    double sum = 0;
    const double weight[] = {0.2126, 0.7152, 0.0722};
    for (int ch = 0; ch < 3; ++ch) {
        const double v = ((c >> (8 * ch)) & 0xFF) / 255.0;
        sum += weight[ch] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
}
double Contrast(TColor a, TColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Text is 8 pt Tahoma: every text colour keeps a contrast of at least 4.5 to
// every colour of its background (the window colour where the look is see-through).
TEST_F(LauncherSkin, TextColoursReadOnTheirBackgrounds) {
    const TColor window = SkinGeneralData[GetSkinIndex("GLOBALINFO")].Color;
    for (const TsGeneralData& g : SkinGeneralData)
        for (const bool hot : {false, true}) {
            const TColor text = hot ? g.HotFontColor : g.FontColor;
            std::vector<TColor> behind;
            if ((hot ? g.HotTransparency : g.Transparency) >= 100)
                behind.push_back(window);
            else if ((hot ? g.HotGradientPercent : g.GradientPercent) > 0)
                for (const TsGradPie& p : hot ? g.HotGradientArray : g.GradientArray)
                    behind.push_back(p.Color1), behind.push_back(p.Color2);
            else
                behind.push_back(hot ? g.HotColor : g.Color);
            for (TColor b : behind)
                EXPECT_GE(Contrast(text, b), 4.5)
                    << g.SectionName << (hot ? " hot" : "") << " on " << b;
        }
}

// The title bar's rounded top corners become holes in the window, the same
// on the left and on the right; the title buttons fit the caption.
TEST_F(LauncherSkin, TitleCornersCutTheWindowAndButtonsFitTheCaption) {
    std::vector<TRect> holes;
    SeeThroughRects(Mask("FORMTITLE", "BORDERSMASK"), 360, false, 0, holes);
    int left = 0, right = 0;
    for (const TRect& r : holes) {
        EXPECT_EQ(r.Bottom - r.Top, 1);
        if (r.Right <= 8)
            left += r.Right - r.Left;
        else if (r.Left >= 352 && r.Right <= 360)
            right += r.Right - r.Left;
        else
            ADD_FAILURE() << "hole at " << r.Left << "," << r.Top;
    }
    EXPECT_GE(left, 6);
    EXPECT_EQ(left, right);
    const TSize button = CellSize(Mask("FORM", "BICONCLOSE"));
    EXPECT_LE(button.cy, 19);
    EXPECT_EQ(CellSize(Mask("FORM", "BICONMIN")), button);
}

} // namespace
