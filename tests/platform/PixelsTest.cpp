// Pixel rows start on cache lines, which the blends' vector loops count on
// for their speed, whatever the width, after a resize and in a copy.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/TPixels.h"

TEST(Pixels, RowsStartOnCacheLinesAfterResizeAndCopy) {
    for (int w : {1, 5, 21, 22, 354}) {
        TPixels p(w, 3);
        p.SetPixel(w - 1, 2, 0x123456);
        const TPixels copy = p;
        p.SetSize(w + 7, 4);
        EXPECT_EQ(p.Pixel(w - 1, 2), 0x123456u);
        EXPECT_EQ(copy.Pixel(w - 1, 2), 0x123456u);
        for (const TPixels* q : {static_cast<const TPixels*>(&p), &copy})
            for (int y = 0; y < q->Height(); ++y)
                EXPECT_EQ(reinterpret_cast<uintptr_t>(q->ScanLine(y)) % 64, 0u)
                    << "width " << q->Width();
    }
}

// New pixels are black although the storage is not written when it is made:
// memory that held a freed picture must come back zeroed all the same.
TEST(Pixels, NewPixelsAreBlackAlsoInReusedMemory) {
    for (int w : {3, 354, 1500}) {
        {
            TPixels old(w, 40);
            old.Fill(0xFFFFFF);
        }
        TPixels p(w, 40);
        p.SetPixel(0, 0, 0x123456);
        p.SetSize(w + 1, 41);
        EXPECT_EQ(p.Pixel(0, 0), 0x123456u);
        int nonBlack = 0;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                nonBlack += (x || y) && p.Pixel(x, y) != 0;
        EXPECT_EQ(nonBlack, 0) << "width " << w;
    }
}
