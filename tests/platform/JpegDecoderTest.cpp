// JPEG decoding of pictures that may come from anywhere: good files of every
// common kind decode, and every broken or hostile one is an EInvalidGraphic.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/JpegDecoder.h"
#include "platform/JpegEncoder.h"

namespace {

// A smooth picture, which JPEG keeps within a few steps of each channel.
TPixels Picture(int w, int h) {
    TPixels p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.SetPixel(x, y, (x * 255 / w) | ((y * 255 / h) << 8) | (128 << 16));
    return p;
}

int LargestDifference(const TPixels& a, const TPixels& b) {
    int most = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width() * 3; ++x)
            most = std::max(most, std::abs(a.ScanLine(y)[x] - b.ScanLine(y)[x]));
    return most;
}

TPixels Decode(const std::vector<uint8_t>& bytes, const TJpegLimits& limits = {}) {
    return DecodeJpeg(bytes.data(), bytes.size(), limits);
}

} // namespace

TEST(JpegDecoder, BaselineAndProgressiveFilesDecodeInBlueGreenRed) {
    const TPixels source = Picture(37, 23); // sizes that are not whole blocks
    for (const bool progressive : {false, true}) {
        const TPixels decoded = Decode(EncodeJpeg(source, {95, progressive}));
        ASSERT_EQ(decoded.Width(), 37);
        ASSERT_EQ(decoded.Height(), 23);
        EXPECT_LE(LargestDifference(source, decoded), 12) << progressive;
    }
}

TEST(JpegDecoder, TheEncoderWritesTheSameBytesEveryTime) {
    const TPixels source = Picture(40, 40);
    EXPECT_EQ(EncodeJpeg(source), EncodeJpeg(source));
    EXPECT_NE(EncodeJpeg(source, {90, true}), EncodeJpeg(source, {90, false}));
}

TEST(JpegDecoder, DamagedFilesAreErrorsNotCrashes) {
    const std::vector<uint8_t> good = EncodeJpeg(Picture(64, 64), {90, true});
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        {0xFF, 0xD8},
        {'B', 'M', 0, 0},
        std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2), // truncated
        std::vector<uint8_t>(good.begin(), good.end() - 2),                 // no end marker
    };
    for (const auto& bytes : bad)
        EXPECT_THROW(Decode(bytes), EInvalidGraphic) << bytes.size();
    std::vector<uint8_t> flipped = good;
    for (size_t i = flipped.size() / 2; i < flipped.size() - 2; i += 7)
        flipped[i] ^= 0x5A; // corrupt entropy data: the library's warnings count as errors
    EXPECT_THROW(Decode(flipped), EInvalidGraphic);
}

TEST(JpegDecoder, LimitsStopLargePicturesAndEndlessScans) {
    const std::vector<uint8_t> baseline = EncodeJpeg(Picture(100, 50));
    EXPECT_NO_THROW(Decode(baseline, {100, 5000, 64, 64L << 20}));
    EXPECT_THROW(Decode(baseline, {99, 5000, 64, 64L << 20}), EInvalidGraphic);
    EXPECT_THROW(Decode(baseline, {100, 4999, 64, 64L << 20}), EInvalidGraphic);
    // The simple progression has ten scans.
    const std::vector<uint8_t> progressive = EncodeJpeg(Picture(100, 50), {90, true});
    EXPECT_NO_THROW(Decode(progressive, {8192, 1 << 24, 10, 64L << 20}));
    EXPECT_THROW(Decode(progressive, {8192, 1 << 24, 9, 64L << 20}), EInvalidGraphic);
    try {
        Decode(progressive, {8192, 1 << 24, 3, 64L << 20});
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Invalid JPEG picture: the picture has too many scans");
    }
}
