// Which installed family draws a page's font-family list, with the fonts
// this machine has: the Windows core fonts' folder and DejaVu.
#include <gtest/gtest.h>

#include "browser/PageFonts.h"
#include "framework/graphics/TFontEngine.h"

namespace {

TEST(PageFontsTest, InstalledFamiliesAreFoundInTheFontFolders) {
    TFontEngine& fonts = TFontEngine::Instance();
    EXPECT_TRUE(fonts.IsInstalled("Tahoma"));
    EXPECT_TRUE(fonts.IsInstalled("MS Shell Dlg"));
    EXPECT_TRUE(fonts.IsInstalled("dejavu serif"));
    EXPECT_FALSE(fonts.IsInstalled("No Such Family Anywhere"));
    // Found as installed, then resolved to that very face.
    const TFontMatch serif = fonts.Resolve("DejaVu Serif", fsBold);
    EXPECT_FALSE(serif.Substituted);
    EXPECT_NE(serif.File.find("DejaVuSerif-Bold"), std::string::npos) << serif.File;
}

TEST(PageFontsTest, TheFirstInstalledNameOfTheListWins) {
    EXPECT_EQ(PageFontFamily("Tahoma, Verdana, sans-serif"), "Tahoma");
    EXPECT_EQ(PageFontFamily("'No Such Face', monospace"), "DejaVu Sans Mono");
    EXPECT_EQ(PageFontFamily("\"Verdana\""), "DejaVu Sans");
    // Nothing installed in the list: the page's default family, by its alias.
    const std::string fallback = PageFontFamily("No Such Face");
    EXPECT_TRUE(fallback == "Nimbus Roman" || fallback == "DejaVu Serif") << fallback;
    EXPECT_TRUE(TFontEngine::Instance().IsInstalled(fallback));
}

} // namespace
