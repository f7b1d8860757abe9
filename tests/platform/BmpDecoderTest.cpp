#include <gtest/gtest.h>

#include "platform/BmpDecoder.h"

namespace {

struct TBmpSpec {
    uint32_t InfoSize = 40;
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t Bits = 24;
    uint32_t Compression = 0;
    std::vector<uint32_t> Palette;          // 0x00RRGGBB
    std::vector<uint32_t> Masks;            // red, green, blue
    std::vector<std::vector<uint8_t>> Rows; // as stored, unpadded
};

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> MakeBmp(const TBmpSpec& s) {
    std::vector<uint8_t> info;
    Put(info, s.InfoSize, 4);
    if (s.InfoSize == 12) {
        Put(info, s.Width, 2), Put(info, s.Height, 2), Put(info, 1, 2), Put(info, s.Bits, 2);
    } else {
        Put(info, s.Width, 4), Put(info, s.Height, 4), Put(info, 1, 2), Put(info, s.Bits, 2);
        Put(info, s.Compression, 4);
        for (int i = 0; i < 3; ++i)
            Put(info, 0, 4);
        Put(info, static_cast<uint32_t>(s.Palette.size()), 4), Put(info, 0, 4);
        if (s.InfoSize > 40) {
            for (uint32_t m : s.Masks)
                Put(info, m, 4);
            info.resize(s.InfoSize, 0);
        } else {
            for (uint32_t m : s.Masks)
                Put(info, m, 4);
        }
    }
    for (uint32_t c : s.Palette)
        Put(info, c, s.InfoSize == 12 ? 3 : 4);
    std::vector<uint8_t> out{'B', 'M'};
    Put(out, 0, 4), Put(out, 0, 4), Put(out, static_cast<uint32_t>(14 + info.size()), 4);
    out.insert(out.end(), info.begin(), info.end());
    for (auto row : s.Rows) {
        row.resize((row.size() + 3) & ~size_t{3}, 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<uint32_t> AllPixels(const TPixels& p) {
    std::vector<uint32_t> v;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            v.push_back(p.Pixel(x, y));
    return v;
}

using Pixels = std::vector<uint32_t>; // colour values, red in the low byte

} // namespace

TEST(BmpDecoder, PaletteDepthsAndRowOrder) {
    // Palette entries are stored blue first: 0x00RRGGBB as a little-endian word.
    const std::vector<uint32_t> pal{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    TBmpSpec one{
        40, 10, 2, 1, 0, {0x000000, 0x123456}, {}, {{0b10100000, 0b01000000}, {0xFF, 0xC0}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(one))),
              (Pixels{0x563412, 0x563412, 0x563412, 0x563412, 0x563412, 0x563412, 0x563412,
                      0x563412, 0x563412, 0x563412, 0x563412, 0,        0x563412, 0,
                      0,        0,        0,        0,        0,        0x563412}));
    TBmpSpec four{40, 3, 1, 4, 0, pal, {}, {{0x12, 0x30}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(four))), (Pixels{0x0000FF, 0x00FF00, 0xFF0000}));
    // Top-down, with an index past the palette (black).
    TBmpSpec eight{40, 2, -2, 8, 0, pal, {}, {{1, 2}, {3, 200}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(eight))), (Pixels{0x0000FF, 0x00FF00, 0xFF0000, 0}));
    // Core header: three-byte palette entries.
    TBmpSpec core{12, 2, 1, 8, 0, pal, {}, {{2, 3}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(core))), (Pixels{0x00FF00, 0xFF0000}));
}

TEST(BmpDecoder, DirectColourDepths) {
    TBmpSpec rgb24{40, 1, 2, 24, 0, {}, {}, {{1, 2, 3}, {4, 5, 6}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(rgb24))), (Pixels{0x040506, 0x010203}));
    std::vector<uint8_t> hugeTable = MakeBmp(rgb24); // a colour count beside direct colours
    hugeTable[49] = 0x60;
    EXPECT_EQ(AllPixels(DecodeBmp(hugeTable)), (Pixels{0x040506, 0x010203}));
    // 5-5-5: pure red, then full white.
    TBmpSpec rgb555{40, 2, 1, 16, 0, {}, {}, {{0x00, 0x7C, 0xFF, 0x7F}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(rgb555))), (Pixels{0x0000FF, 0xFFFFFF}));
    // 5-6-5 through bit fields: green 0x20 of 63 scales to 130.
    TBmpSpec rgb565{40, 2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {{0x00, 0x04, 0x1F, 0x00}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(rgb565))), (Pixels{0x008200, 0xFF0000}));
    TBmpSpec rgb32{40, 1, 1, 32, 0, {}, {}, {{0x11, 0x22, 0x33, 0x44}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(rgb32))), (Pixels{0x112233}));
    // V5 header with masks inside it, red in the low byte.
    TBmpSpec v5{124, 1, 1, 32, 3, {}, {0xFF, 0xFF00, 0xFF0000}, {{0x11, 0x22, 0x33, 0x44}}};
    EXPECT_EQ(AllPixels(DecodeBmp(MakeBmp(v5))), (Pixels{0x332211}));
}

TEST(BmpDecoder, EncodersRoundTrip) {
    TPixels p(5, 3); // odd width: padded rows
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            p.SetPixel(x, y, (x * 40) | (y * 70) << 8 | 0xFF0000 * (x == y));
    // Rows padded to four bytes as the format has them, not as memory has them.
    EXPECT_EQ(EncodeBmp24(p).size(), 14u + 40 + 16 * 3);
    EXPECT_EQ(AllPixels(DecodeBmp(EncodeBmp24(p))), AllPixels(p));
    const std::vector<uint8_t> eight = EncodeBmp8(p);
    EXPECT_EQ(eight[28], 8);
    EXPECT_EQ(eight.size(), 14u + 40 + 1024 + 8 * 3);
    EXPECT_EQ(AllPixels(DecodeBmp(eight)), AllPixels(p));
    TPixels many(300, 1);
    for (int x = 0; x < 300; ++x)
        many.SetPixel(x, 0, x);
    EXPECT_THROW(EncodeBmp8(many), EInvalidGraphic);
}

TEST(BmpDecoder, MalformedFilesRaiseWithoutReadingOutside) {
    const std::vector<uint8_t> good =
        MakeBmp({40, 3, 3, 8, 0, {1, 2, 3}, {}, {{0, 1, 2}, {2, 1, 0}, {1, 1, 1}}});
    ASSERT_NO_THROW(DecodeBmp(good));
    for (size_t n = 0; n < good.size(); ++n) {
        // A copy of exactly n bytes, so that the sanitizer sees any read past it.
        const std::vector<uint8_t> cut(good.begin(), good.begin() + n);
        EXPECT_THROW(DecodeBmp(cut), EInvalidGraphic) << n;
    }
    auto with = [&](size_t at, uint8_t v) {
        std::vector<uint8_t> b = good;
        b[at] = v;
        return b;
    };
    EXPECT_THROW(DecodeBmp(with(0, 'X')), EInvalidGraphic);   // magic
    EXPECT_THROW(DecodeBmp(with(18, 0)), EInvalidGraphic);    // width 0
    EXPECT_THROW(DecodeBmp(with(28, 2)), EInvalidGraphic);    // 2 bits
    EXPECT_THROW(DecodeBmp(with(30, 1)), EInvalidGraphic);    // run-length
    EXPECT_THROW(DecodeBmp(with(14, 64)), EInvalidGraphic);   // header size
    EXPECT_THROW(DecodeBmp(with(10, 200)), EInvalidGraphic);  // pixels past the end
    EXPECT_THROW(DecodeBmp(with(25, 0x80)), EInvalidGraphic); // height -2^31 .. huge
    TBmpSpec badMask{40, 1, 1, 16, 3, {}, {0xF00F, 0x00F0, 0}, {{0, 0}}};
    EXPECT_THROW(DecodeBmp(MakeBmp(badMask)), EInvalidGraphic);
    try {
        DecodeBmp(with(28, 2));
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Invalid bitmap: 2 bits per pixel are not supported");
    }
}
