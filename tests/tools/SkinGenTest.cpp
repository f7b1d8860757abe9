#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "LauncherDefinition.h"
#include "tools/SkinArtCanvas.h"
#include "tools/SkinArtPalette.h"
#include "tools/SkinGenDefinition.h"

namespace {

// The master bitmap as it stands in the definition: an 8-bit file with 256 palette entries.
TEST(SkinGen, LauncherSkinFileMasterBitmapIsEightBitWithAFullPalette) {
    const std::string& text = MainDefinition();
    const size_t at = text.find("MasterBitmap.Data = {");
    ASSERT_NE(at, std::string::npos);
    std::vector<uint8_t> bytes;
    for (size_t i = text.find('\n', at) + 1; i < text.size() && text[i] != '}'; ++i) {
        if (!isxdigit(static_cast<unsigned char>(text[i]))) continue;
        bytes.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
        ++i;
    }
    ASSERT_GE(bytes.size(), 4u + 54u);
    auto u32 = [&](size_t o) {
        return bytes[o] | bytes[o + 1] << 8 | bytes[o + 2] << 16 | uint32_t(bytes[o + 3]) << 24;
    };
    EXPECT_EQ(u32(0), bytes.size() - 4);
    EXPECT_EQ(bytes.size() - 4, 73114u);
    EXPECT_EQ(bytes[4], 'B');
    EXPECT_EQ(bytes[5], 'M');
    EXPECT_EQ(u32(4 + 18), 348u);
    EXPECT_EQ(u32(4 + 22), 207u);
    EXPECT_EQ(bytes[4 + 28], 8);
    EXPECT_EQ(u32(4 + 10), 14u + 40u + 256u * 4u);
}

TEST(SkinGen, RegeneratingTheLauncherSkinFileGivesTheCheckedInDefinition) {
    const auto skins = BuildLauncherSkins();
    EXPECT_TRUE(WithSkinManager(MainDefinition(), SkinManagerBlock(*skins)) == MainDefinition())
        << "launcher/Unit1.dfm is not what the generator writes: run make skin";
}

TEST(SkinGen, SkinManagerBlockReplacesTheBlockOrAddsItLast) {
    const std::string block = "  object sSkinManager1: TsSkinManager\n    SkinName = 'x'\n  end\n";
    EXPECT_EQ(WithSkinManager("object F: TF\n  object A: TA\n  end\nend\n", block),
              "object F: TF\n  object A: TA\n  end\n" + block + "end\n");
    EXPECT_EQ(WithSkinManager(
                  "object F: TF\r\n  object sSkinManager1: TsSkinManager\r\n    Old = 1\r\n"
                  "    InternalSkins = <\r\n      item\r\n      end>\r\n  end\r\n  object B: TB\r\n"
                  "  end\r\nend\r\n",
                  block),
              "object F: TF\r\n" + block + "  object B: TB\r\n  end\r\nend\r\n");
    EXPECT_THROW(WithSkinManager("object F: TF\n  object A: TA\n  end\n", block),
                 std::runtime_error);
    EXPECT_THROW(WithSkinManager("object F: TF\n  object sSkinManager1: TsSkinManager\n", block),
                 std::runtime_error);
}

// A cell goes into the master as picture over alpha: holes in the see-through
// colour, coverage as grey see-through amounts; without an alpha row, onto Behind.
TEST(SkinGen, SkinArtCellsPictureOverAlphaAndFlattened) {
    TArtCell cell(3, 1);
    cell.SetHole(0, 0, true);
    cell.Over(1, 0, Rgb(200, 10, 20), 0.5);
    TPixels master(5, 2);
    master.Fill(0x123456);
    PutAlphaCell(master, TRect{1, 0, 4, 2}, 0, 1, cell);
    EXPECT_EQ(master.Pixel(0, 0), 0x123456u);
    EXPECT_EQ(master.Pixel(1, 0), 0xFF00FFu);
    EXPECT_EQ(master.Pixel(2, 0), 0x140AC8u);
    EXPECT_EQ(master.Pixel(2, 1), 0x848484u); // 0.5 see-through: level 16 of 31, 132
    EXPECT_EQ(master.Pixel(3, 1), 0xFFFFFFu);
    EXPECT_EQ(master.Pixel(4, 1), 0x123456u);

    PutOpaqueCell(master, TRect{1, 0, 4, 1}, 0, 1, cell, Rgb(0, 0, 100));
    EXPECT_EQ(master.Pixel(1, 0), 0xFF00FFu);
    EXPECT_EQ(master.Pixel(2, 0), 0x3C0564u); // red 100, green 5, blue 60
    EXPECT_EQ(master.Pixel(3, 0), 0x640000u);

    EXPECT_EQ(QuantizeAlpha(0), 0);
    EXPECT_EQ(QuantizeAlpha(1), 255);
    EXPECT_EQ(QuantizeAlpha(-3), 0);
}

// A smooth ramp of far more than 256 colours keeps small steps; the
// see-through colour and the alpha greys stay exact.
TEST(SkinGen, SkinArtPaletteRampKeepsSmallStepsAndExactReservedColours) {
    TPixels p(600, 2);
    for (int x = 0; x < 600; ++x) {
        p.SetPixel(x, 0,
                   uint32_t(x * 255 / 599) | uint32_t(x * 200 / 599) << 8 |
                       uint32_t(255 - x * 120 / 599) << 16);
        p.SetPixel(x, 1, x % 2 ? 0xFF00FFu : uint32_t(QuantizeAlpha(x / 599.0)) * 0x010101u);
    }
    const TPixels before = p;
    const TPaletteResult r = ReduceToPalette(p);
    EXPECT_LE(r.Colors, 256);
    EXPECT_LE(r.MaxError, 2);
    for (int x = 0; x < 600; ++x)
        EXPECT_EQ(p.Pixel(x, 1), before.Pixel(x, 1));
    std::set<uint32_t> colors;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 600; ++x)
            colors.insert(p.Pixel(x, y));
    EXPECT_EQ(int(colors.size()), r.Colors);
}

// Tabs and thumbs for the other sides are the upright cell turned: a pixel
// marks where each corner goes.
TEST(SkinGen, SkinArtTurnedCellsKeepTheirPixels) {
    TArtCell cell(3, 2);
    cell.Over(2, 0, Rgb(10, 20, 30), 1);
    cell.SetHole(0, 1, true);
    const TArtCell t = cell.Transposed();
    ASSERT_EQ(t.Width(), 2);
    ASSERT_EQ(t.Height(), 3);
    EXPECT_EQ(t.At(0, 2).A, 1);
    EXPECT_TRUE(t.IsHole(1, 0));
    EXPECT_EQ(cell.FlippedVertically().At(2, 1).A, 1);
    EXPECT_TRUE(cell.FlippedVertically().IsHole(0, 0));
    EXPECT_EQ(cell.FlippedHorizontally().At(0, 0).A, 1);
    EXPECT_TRUE(cell.FlippedHorizontally().IsHole(2, 1));
}

// A rounded outline whose outside is cut: the corner pixel is a hole, edge
// pixels are wholly outline, the inside is untouched.
TEST(SkinGen, SkinArtHardEdgeOutlinesAreCrisp) {
    TArtCell cell(8, 8);
    cell.CutOutside(RoundRect(0, 0, 8, 8, 3));
    cell.Fill(Minus(HardEdge(0, 0, 8, 8, 3, 3), RoundRect(1, 1, 7, 7, 2)), Rgb(0, 0, 0));
    EXPECT_TRUE(cell.IsHole(0, 0));
    EXPECT_FALSE(cell.IsHole(3, 0));
    EXPECT_EQ(cell.At(3, 0).A, 1);
    EXPECT_EQ(cell.At(0, 4).A, 1);
    EXPECT_EQ(cell.At(4, 4).A, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(cell.IsHole(x, y), cell.IsHole(7 - x, y)) << x << "," << y;
            EXPECT_EQ(cell.At(x, y).A, cell.At(7 - x, 7 - y).A) << x << "," << y;
        }
}

} // namespace
