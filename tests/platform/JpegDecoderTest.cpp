// JPEG decoding of pictures that may come from anywhere: good files of every
// common kind decode, and every broken or hostile one is an EInvalidGraphic.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

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

// An 8 by 8 picture of one CMYK colour, stored inverted as Adobe's programs
// write it (each value 255 - ink), which pictures on web pages still use.
std::vector<uint8_t> InvertedCmykJpeg(const uint8_t cmyk[4]) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = info.image_height = 8;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    uint8_t row[8 * 4];
    for (int x = 0; x < 8; ++x)
        std::copy(cmyk, cmyk + 4, row + x * 4);
    for (int y = 0; y < 8; ++y) {
        JSAMPROW line = row;
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(out, out + size);
    std::free(out);
    return bytes;
}

} // namespace

TEST(JpegDecoder, InvertedCmykBecomesBlueGreenRed) {
    // Cyan 0, magenta 255 - 55, yellow 255 - 155, black 255 - 127: red 255 * 128 / 255.
    const uint8_t cmyk[4] = {255, 55, 155, 128};
    const TPixels decoded = Decode(InvertedCmykJpeg(cmyk));
    ASSERT_EQ(decoded.Width(), 8);
    const uint8_t* p = decoded.ScanLine(4) + 4 * 3;
    EXPECT_NEAR(p[2], 128, 2);
    EXPECT_NEAR(p[1], 55 * 128 / 255, 2);
    EXPECT_NEAR(p[0], 155 * 128 / 255, 2);
}

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
