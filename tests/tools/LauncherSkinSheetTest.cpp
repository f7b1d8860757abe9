#include <gtest/gtest.h>

#include <string>

#include "GoldenImage.h"
#include "skin/SkinState.h"
#include "tools/SkinSheetRender.h"
#include "tools/SkinSheetSource.h"

// The launcher's skin changes whenever it is regenerated (make skin); this
// golden is then regenerated with it (make golden) after a look at the sheet.
TEST(LauncherSkinSheet, MatchesItsGolden) {
    const std::string name =
        LoadStoredSkinFromFile(std::string(QUELM_SOURCE_DIR) + "/launcher/Unit1.dfm");
    const TSkinSheet sheet = RenderSkinSheet(name);
    ClearSkinMasks();
    ClearSkinPatterns();
    ClearSkinSections();
    ExpectMatchesGolden(sheet.Picture->Pixels(), "skinsheet-launcher");
}
