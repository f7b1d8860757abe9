// Pictures of pages in each format, and bytes that are not a picture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "browser/PictureDecode.h"
#include "tests/browser/TestPictures.h"

namespace {

TEST(PictureDecodeTest, EachFormatKeepsSizeAndColours) {
    TTempFolder scratch;
    const TPixels p = BandPicture(7, 5, 0x3060C0, 0xF0E0D0);
    for (const std::string& bytes : {PngBytes(p, scratch.Path()), GifBytes(p), BmpBytes(p)}) {
        std::string error;
        auto picture = DecodePicture(bytes, error);
        ASSERT_TRUE(picture) << error;
        ASSERT_EQ(picture->Width(), 7);
        ASSERT_EQ(picture->Height(), 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                EXPECT_EQ(picture->Pixels.Pixel(x, y), p.Pixel(x, y));
                EXPECT_EQ(picture->Alpha[y * 7 + x], 255);
            }
    }
    std::string error;
    auto jpeg = DecodePicture(JpegBytes(BandPicture(16, 16, 0x3060C0, 0x3060C0)), error);
    ASSERT_TRUE(jpeg) << error;
    const uint32_t c = jpeg->Pixels.Pixel(8, 8);
    EXPECT_LE(std::abs(static_cast<int>(c & 0xFF) - 0xC0), 4);
    EXPECT_LE(std::abs(static_cast<int>((c >> 16) & 0xFF) - 0x30), 4);
}

TEST(PictureDecodeTest, GifTransparencyBecomesAlpha) {
    std::string error;
    auto picture = DecodePicture(GifBytes(BandPicture(6, 6, 0x00FF00, 0xFF00FF), 0xFF00FF), error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->Alpha[0], 0);   // (0, 0) is in a stripe of the see-through colour
    EXPECT_EQ(picture->Alpha[4], 255); // (4, 0) is green
}

TEST(PictureDecodeTest, BrokenBytesGiveAReasonNotACrash) {
    TTempFolder scratch;
    const TPixels p = BandPicture(40, 30, 0x102030, 0x405060);
    for (std::string bytes :
         {PngBytes(p, scratch.Path()), JpegBytes(p), GifBytes(p), BmpBytes(p)}) {
        for (size_t cut : {size_t{3}, size_t{20}, bytes.size() / 2}) {
            std::string error;
            auto picture = DecodePicture(bytes.substr(0, cut), error);
            if (!picture) {
                EXPECT_FALSE(error.empty());
            }
        }
    }
    std::string error;
    EXPECT_FALSE(DecodePicture("<html>not a picture</html>", error));
    EXPECT_FALSE(error.empty());
    // A GIF whose header asks for 65535 x 65535 pixels.
    std::string huge = GifBytes(p);
    huge[6] = huge[7] = huge[8] = huge[9] = '\xFF';
    EXPECT_FALSE(DecodePicture(huge, error));
}

} // namespace
