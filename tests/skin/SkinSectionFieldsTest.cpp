// Every field of skin/SkinSectionFields.h through the places made from the
// list: the writer of stored skins, the stored section's published properties,
// its copy into the runtime section, and the reader of the common sections.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "framework/component/TFormReader.h"
#include "framework/graphics/Graphics.h"
#include "skin/SkinIniSections.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/stored/StoredSkinWriter.h"

namespace {

using namespace SectionField;

// A value for field k of section `seed` that is no default and no other
// field's value; the section's fields together use every bevel and both
// boolean values across seeds, and strings that need quoting.
template <class K> void SetSample(TsSkinGeneral& g, const TPlain<K>& f, int seed, int k) {
    const int n = 100 * seed + k + 1;
    auto& v = g.*f.Stored;
    using V = std::remove_reference_t<decltype(v)>;
    if constexpr (std::is_same_v<V, std::string>)
        v = "it's #" + std::to_string(n);
    else if constexpr (std::is_same_v<V, bool>)
        v = seed == 0 || k % 2 == 1;
    else if constexpr (std::is_same_v<V, TsControlBevel>)
        v = static_cast<TsControlBevel>(1 + (seed + k) % 4);
    else
        v = seed == 2 ? -n : 0x010000 * n + 7;
}
void SetSample(TsSkinGeneral& g, const TTextColors& f, int seed, int k) {
    const int n = 100 * seed + 10 * k;
    g.*f.Stored = std::to_string(n) + " " + std::to_string(n + 1) + " " + std::to_string(n + 2) +
                  " " + std::to_string(n + 3) + " -" + std::to_string(n + 4);
}
void SetSample(TsSkinGeneral& g, const TGradient& f, int seed, int k) {
    g.*f.Stored = std::to_string(100 * seed + k) + ";255;40;1;0;255;0;60;0;0";
}
void SetSample(TsSkinGeneral& g, const TStoredOnly& f, int seed, int k) {
    g.*f.Stored = "stored 'only' " + std::to_string(100 * seed + k);
}

// The runtime section holds what the stored field says.
template <class K>
void ExpectCopied(const TsSkinGeneral& g, const TsGeneralData& d, const TPlain<K>& f) {
    EXPECT_EQ(d.*f.Section, g.*f.Stored) << f.Name;
}
void ExpectCopied(const TsSkinGeneral& g, const TsGeneralData& d, const TTextColors& f) {
    std::string text = std::to_string(d.*f.Section[0]);
    for (int i = 1; i < 5; ++i) {
        text += ' ';
        text += std::to_string(d.*f.Section[i]);
    }
    EXPECT_EQ(text, g.*f.Stored) << f.Name;
}
void ExpectCopied(const TsSkinGeneral& g, const TsGeneralData& d, const TGradient& f) {
    EXPECT_EQ(d.*f.Section, g.*f.Stored) << f.Name;
    ASSERT_EQ((d.*f.Parsed).size(), 2u) << f.Name;
    EXPECT_EQ((d.*f.Parsed)[0].Color1, std::stoi(g.*f.Stored)) << f.Name;
    EXPECT_EQ((d.*f.Parsed)[1].Percent, 60) << f.Name;
}
void ExpectCopied(const TsSkinGeneral&, const TsGeneralData&, const TStoredOnly&) {}

// Whether the runtime fields of f are the same in a and b.
template <class K> bool Same(const TsGeneralData& a, const TsGeneralData& b, const TPlain<K>& f) {
    return a.*f.Section == b.*f.Section;
}
bool Same(const TsGeneralData& a, const TsGeneralData& b, const TTextColors& f) {
    for (int i = 0; i < 5; ++i)
        if (a.*f.Section[i] != b.*f.Section[i]) return false;
    return true;
}
bool Same(const TsGeneralData& a, const TsGeneralData& b, const TGradient& f) {
    return a.*f.Section == b.*f.Section && (a.*f.Parsed).size() == (b.*f.Parsed).size();
}
bool Same(const TsGeneralData&, const TsGeneralData&, const TStoredOnly&) {
    return true;
}

// Whether the common sections read a key for f.
template <class K> bool HasKey(const TPlain<K>& f) {
    return f.Key != NoKey;
}
bool HasKey(const TTextColors&) {
    return true;
}
bool HasKey(const TGradient&) {
    return true;
}
bool HasKey(const TStoredOnly&) {
    return false;
}

class SectionFields : public ::testing::Test {
protected:
    void TearDown() override {
        FRoot.reset();
        SkinGeneralData.clear();
    }
    std::unique_ptr<TComponent> FRoot;
};

TEST_F(SectionFields, EveryFieldComesBackFromTheWriterAndTheReader) {
    TsStoredSkins skins;
    TsStoredSkin* skin = skins.Add();
    skin->Name = "Fields (internal)";
    for (int seed = 0; seed < 3; ++seed) {
        TsSkinGeneral& g = *skin->GeneralData()->Add();
        int k = 0;
        ForEachSectionField([&](const auto& f) { SetSample(g, f, seed, k++); });
    }

    FRoot = std::make_unique<TComponent>(nullptr);
    ReadComponentResource(FRoot.get(),
                          "object Holder: TComponent\n"
                          "  object sSkinManager1: TsSkinManager\n" +
                              WriteInternalSkins(skins, "    ") +
                              "    SkinName = 'Fields (internal)'\n  end\nend\n",
                          "Fields.dfm");
    auto* manager = static_cast<TsSkinManager*>(FRoot->FindComponent("sSkinManager1"));
    ASSERT_NE(manager, nullptr);
    const TsStoredSkin& read = *manager->InternalSkins()->Items(0);
    ASSERT_EQ(read.GeneralData()->Count(), 3);
    ASSERT_EQ(SkinGeneralData.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TsSkinGeneral& written = *skin->GeneralData()->Items(i);
        const TsSkinGeneral& g = *read.GeneralData()->Items(i);
        ForEachSectionField([&](const auto& f) {
            EXPECT_EQ(g.*f.Stored, written.*f.Stored) << f.Name << " of section " << i;
            ExpectCopied(g, SkinGeneralData[i], f);
        });
    }
}

TEST_F(SectionFields, CommonSectionsReadTheKeysOfTheSkinFormat) {
    // Every key a skin file may hold, with a value that is no default.
    const TsMemIniFile ini(std::vector<std::string>{
        "[S]",
        "COLOR=$FF00000F",
        "BEVEL=2",
        "SHADOWBLUR=3",
        "SHADOWOFFSET=4",
        "SHADOWCOLOR=5",
        "SHADOWTRANSPARENCY=6",
        "SHADOWENABLED=TRUE",
        "RESERVEDBOOLEAN=true",
        "FONTCOLOR=7",
        "TCLEFT=8",
        "TCTOP=9",
        "TCRIGHT=10",
        "TCBOTTOM=11",
        "HOTFONTCOLOR=12",
        "HOTTCLEFT=13",
        "HOTTCTOP=14",
        "HOTTCRIGHT=15",
        "HOTTCBOTTOM=16",
        "TRANSPARENCY=17",
        "GRADIENTPERCENT=18",
        "IMAGEPERCENT=19",
        "GRADIENTDATA=1;2;3;0;0",
        "SHOWFOCUS=True",
        "FADINGENABLED=TRUE",
        "FADINGINTERVALIN=20",
        "FADINGINTERVALOUT=21",
        "FADINGITERATIONS=22",
        "HOTCOLOR=$FF00000F",
        "HOTTRANSPARENCY=23",
        "HOTBEVEL=4",
        "HOTGRADIENTPERCENT=24",
        "HOTGRADIENTDATA=4;5;6;0;0",
        "HOTIMAGEPERCENT=25",
        "BORDERCOLOR1=26",
        "BORDERCOLOR2=27",
        // Not keys of the format: ShadowDontUse stays false.
        "SHADOWDONTUSE=TRUE",
        "NAME=n",
    });
    const TsGeneralData defaults = IniSectionDefaults();
    TsGeneralData d = defaults;
    ReadIniSectionKeys(ini, "S", d);
    ForEachSectionField(
        [&](const auto& f) { EXPECT_EQ(!Same(d, defaults, f), HasKey(f)) << f.Name; });
    // Only COLOR names a system colour by its number.
    EXPECT_EQ(d.Color, ColorToRGB(clBtnFace));
    EXPECT_NE(d.Color, clBtnFace);
    EXPECT_EQ(d.HotColor, clBtnFace);
}

TEST_F(SectionFields, CommonSectionsInheritAllButTheShadowColour) {
    TsSkinGeneral parent;
    int k = 0;
    ForEachSectionField([&](const auto& f) { SetSample(parent, f, 0, k++); });
    parent.SectionName = "PARENT";
    SkinGeneralData.push_back(parent.ToGeneralData());
    ASSERT_TRUE(SkinGeneralData[0].ShadowDontUse);

    LoadIniCommonSections(TsMemIniFile(std::vector<std::string>{"[Child]", "PARENTCLASS=parent"}));
    ASSERT_EQ(SkinGeneralData.size(), 2u);
    TsGeneralData expected = SkinGeneralData[0];
    expected.SectionName = "Child";
    expected.ParentClass = "PARENT";
    expected.ShadowColor = 0;
    expected.ShadowDontUse = false;
    ForEachSectionField(
        [&](const auto& f) { EXPECT_TRUE(Same(SkinGeneralData[1], expected, f)) << f.Name; });
}

} // namespace
