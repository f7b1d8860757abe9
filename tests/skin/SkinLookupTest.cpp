#include <gtest/gtest.h>

#include "skin/CommonSkinIndexes.h"
#include "skin/SkinState.h"

namespace {

void AddSection(const std::string& name, const std::string& parent = "") {
    TsGeneralData g;
    g.SectionName = name;
    g.ParentClass = parent;
    SkinGeneralData.push_back(std::move(g));
}

void AddMask(const std::string& section, const std::string& property) {
    TsMaskData m;
    m.SectionName = section;
    m.PropertyName = property;
    SkinMasks.push_back(std::move(m));
}

void AddPattern(const std::string& section, const std::string& property) {
    SkinPatterns.push_back({{}, section, property, nullptr});
}

class SkinLookup : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        ClearSkinMasks();
        ClearSkinPatterns();
        ClearSkinSections();
        GlobalSkinData->SkinReady = false;
    }
};

} // namespace

TEST_F(SkinLookup, SectionsByNameFirstWinsAnyCase) {
    EXPECT_EQ(GetSkinIndex("BUTTON"), -1);
    AddSection("EDIT");
    AddSection("BUTTON");
    AddSection("Button");
    EXPECT_EQ(GetSkinIndex("button"), 1);
    EXPECT_EQ(GetSkinIndex("nothing"), -1);
    EXPECT_EQ(GetSkinIndex(""), -1);
    EXPECT_TRUE(IsValidSkinIndex(2));
    EXPECT_FALSE(IsValidSkinIndex(3));
    EXPECT_FALSE(IsValidSkinIndex(-1));
}

TEST_F(SkinLookup, MasksFallBackThroughParents) {
    AddSection("EDIT");
    AddSection("COMBOBOX", "edit");
    AddSection("DROPDOWN", "COMBOBOX");
    AddSection("SELF", "self");
    AddMask("BUTTON", "BORDERSMASK");
    AddMask("EDIT", "BORDERSMASK");
    AddMask("EDIT", "BORDERSMASK");
    AddMask("COMBOBOX", "GLYPHMASK");

    EXPECT_EQ(GetMaskIndex(1, "combobox", "BORDERSMASK"), 1); // the parent's, first of two
    EXPECT_EQ(GetMaskIndex(2, "DROPDOWN", "BORDERSMASK"), 1); // grand-parent
    EXPECT_EQ(GetMaskIndex(2, "DROPDOWN", "GLYPHMASK"), 3);
    EXPECT_EQ(GetMaskIndex(1, "COMBOBOX", "bordersmask"), -1); // property names are exact
    EXPECT_EQ(GetMaskIndex(3, "SELF", "BORDERSMASK"), -1);
    EXPECT_EQ(GetMaskIndex(1, "", "BORDERSMASK"), -1);
    EXPECT_EQ(GetMaskIndex(7, "EDIT", "BORDERSMASK"), -1);
    EXPECT_EQ(GetMaskIndex(-1, "EDIT", "BORDERSMASK"), -1);
}

TEST_F(SkinLookup, ParentLoopsEndWithMinusOne) {
    AddSection("A", "B");
    AddSection("B", "C");
    AddSection("C", "a");
    AddMask("X", "BORDERSMASK");
    EXPECT_EQ(GetMaskIndex(0, "A", "BORDERSMASK"), -1);
    AddMask("C", "BORDERSMASK");
    EXPECT_EQ(GetMaskIndex(0, "A", "BORDERSMASK"), 1);
    GlobalSkinData->SkinReady = true;
    EXPECT_EQ(GetPatternIndex(1, "B", "PATTERN"), -1);
}

TEST_F(SkinLookup, PatternsOnlyWhileReady) {
    AddSection("SCROLLBTNTOP");
    AddSection("CHILD", "SCROLLBTNTOP");
    AddPattern("SCROLLBTNTOP", "PATTERN");
    EXPECT_EQ(GetPatternIndex(1, "CHILD", "PATTERN"), -1);
    GlobalSkinData->SkinReady = true;
    EXPECT_EQ(GetPatternIndex(1, "CHILD", "PATTERN"), 0);
    EXPECT_EQ(GetPatternIndex(1, "CHILD", "HOTPATTERN"), -1);
}

TEST_F(SkinLookup, CommonIndexesFollowTheArrays) {
    AddSection("GLOBALINFO");
    AddSection("SCROLLSLIDERH");
    AddSection("TABLEFT", "SCROLLSLIDERH");
    AddMask("GLOBALINFO", "BOXGRAYED");
    AddMask("SCROLLSLIDERH", "BORDERSMASK");
    AddMask("SCROLLSLIDERH", "HOTPATTERN");
    UpdateCommonSkinIndexes();
    const TsCommonSkinIndexes& c = CommonSkinIndexes;
    EXPECT_EQ(c.GlobalInfo, 0);
    EXPECT_EQ(c.BoxGrayed, 0);
    EXPECT_EQ(c.BoxChecked, -1);
    EXPECT_EQ(c.ScrollSliders[skHorizontal], 1);
    EXPECT_EQ(c.ScrollSliders[skVertical], -1);
    EXPECT_EQ(c.ScrollSliderBorders[skHorizontal], 1);
    EXPECT_EQ(c.ScrollSliderHHotPattern, 2);
    EXPECT_EQ(c.Tabs[sdLeft], 2);
    EXPECT_EQ(c.TabBorders[sdLeft], 1);
    EXPECT_EQ(c.TabBorders[sdTop], -1);

    ClearSkinMasks();
    ClearSkinSections();
    UpdateCommonSkinIndexes();
    EXPECT_EQ(c.GlobalInfo, -1);
    EXPECT_EQ(c.ScrollSliderHHotPattern, -1);
}
