// The dark skin folder that ships with the launcher: the generator writes the
// same bytes as are checked in, and the skin-folder reader loads back the
// sections and masks the generator meant.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/folder/SkinFolderLoader.h"
#include "skin/stored/TsSkinGeneral.h"
#include "tests/TempFolder.h"
#include "tools/SkinGenDefinition.h"
#include "tools/SkinGenFolder.h"
#include "tools/SkinSheetRender.h"
#include "tools/SkinSheetSource.h"

namespace {

const std::string ShippedFolder = std::string(QUELM_SOURCE_DIR "/skins/") + DarkSkinName;

// A blank gradient cannot be written in Options.dat and reads back empty.
std::string Gradient(const std::string& g) {
    return g == " " ? "" : g;
}

void ExpectSameSection(const TsGeneralData& want, const TsGeneralData& got) {
    using namespace SectionField;
    ForEachSectionField([&](const auto& f) {
        using F = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<F, TTextColors>) {
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(want.*f.Section[i], got.*f.Section[i]) << f.Keys[i];
        } else if constexpr (std::is_same_v<F, TGradient>) {
            EXPECT_EQ(Gradient(want.*f.Section), Gradient(got.*f.Section)) << f.Name;
        } else if constexpr (!std::is_same_v<F, TStoredOnly>) {
            EXPECT_EQ(want.*f.Section, got.*f.Section) << f.Name;
        }
    });
}

} // namespace

TEST(DarkSkin, RegeneratingTheDarkSkinGivesTheCheckedInFolder) {
    const auto skins = BuildLauncherSkins();
    std::set<std::string> written;
    for (const TSkinFolderFile& f : BuildDarkSkinFolder(*skins->Items(0))) {
        EXPECT_TRUE(ReadTestFile(ShippedFolder + "/" + f.Name) == f.Bytes)
            << f.Name << " is not what the generator writes: run make skin";
        written.insert(f.Name);
    }
    for (const auto& e : std::filesystem::directory_iterator(ShippedFolder))
        EXPECT_TRUE(written.count(e.path().filename().string())) << e.path() << " is left over";
}

TEST(DarkSkin, TheFolderLoadsTheSectionsAndMasksItsGeneratorWrote) {
    const auto skins = BuildLauncherSkins();
    const auto dark = BuildDarkSkin(*skins->Items(0));
    InstallSkinFolderLoader();
    {
        TsSkinManager manager(nullptr);
        manager.SetSkinDirectory(QUELM_SOURCE_DIR "/skins");
        manager.SetSkinName(DarkSkinName);
        ASSERT_EQ(manager.SkinName(), DarkSkinName);
        ASSERT_EQ(SkinGeneralData.size(), static_cast<size_t>(dark->GeneralData()->Count()));
        for (int i = 0; i < dark->GeneralData()->Count(); ++i) {
            SCOPED_TRACE(SkinGeneralData[i].SectionName);
            ExpectSameSection(dark->GeneralData()->Items(i)->ToGeneralData(), SkinGeneralData[i]);
        }
        // Every image item but the master bitmap (in the order of the sections),
        // then the small panel pattern; the large window pattern stays a pattern.
        ASSERT_EQ(SkinMasks.size(), static_cast<size_t>(dark->Images()->Count()));
        int ownFiles = 0;
        for (int i = 1; i < dark->Images()->Count(); ++i) {
            const TsSkinImage& want = *dark->Images()->Items(i);
            SCOPED_TRACE(want.SectionName + " " + want.PropertyName);
            const auto found = std::find_if(SkinMasks.begin(), SkinMasks.end(), [&](const auto& m) {
                return m.SectionName == want.SectionName && m.PropertyName == want.PropertyName;
            });
            ASSERT_NE(found, SkinMasks.end());
            const TsMaskData& got = *found;
            if (!got.Bmp) {
                EXPECT_EQ(got.R, (TRect{want.Left, want.Top, want.Right, want.Bottom}));
                EXPECT_EQ(got.ImageCount, want.ImageCount);
                continue;
            }
            ++ownFiles;
            // A mask of its own is the same picture as its rectangle of the master bitmap.
            ASSERT_EQ(got.Bmp->Width(), want.Right - want.Left);
            for (int y = 0; y < got.Bmp->Height(); ++y)
                for (int x = 0; x < got.Bmp->Width(); ++x)
                    ASSERT_EQ(got.Bmp->Pixels().Pixel(x, y),
                              SkinMasterBitmap->Pixels().Pixel(want.Left + x, want.Top + y));
        }
        EXPECT_GE(ownFiles, 10);
        EXPECT_EQ(SkinMasks.back().SectionName, "PANEL");
        EXPECT_EQ(SkinMasks.back().PropertyName, "PATTERN");
        ASSERT_EQ(SkinPatterns.size(), 1u);
        EXPECT_EQ(SkinPatterns[0].SectionName, "FORM");
        ASSERT_TRUE(SkinPatterns[0].Bmp);
        EXPECT_EQ(GlobalSkinData->Version, 1.0);
    }
    EXPECT_TRUE(SkinGeneralData.empty());
}

TEST(DarkSkin, TheSkinSheetDrawsTheFolder) {
    EXPECT_THROW(LoadSkinFolder(QUELM_SOURCE_DIR "/demo"), std::runtime_error);
    std::vector<std::string> notices{"stale"};
    EXPECT_EQ(LoadSkinFolder(ShippedFolder + "/", &notices), DarkSkinName);
    EXPECT_TRUE(notices.empty());
    const TSkinSheet sheet = RenderSkinSheet(DarkSkinName);
    const auto sections = std::count_if(sheet.Entries.begin(), sheet.Entries.end(),
                                        [](const TSheetEntry& e) { return e.Kind == seSection; });
    EXPECT_EQ(sections, 55 * 6); // every section in three states at two sizes
    ClearSkinMasks();
    ClearSkinPatterns();
    ClearSkinSections();
    GlobalSkinData->IniFile.reset();
    GlobalSkinData->SkinPath.clear();
    GlobalSkinData->SkinReady = false;
}
