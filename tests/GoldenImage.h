#pragma once
// Compares a picture pixel by pixel with tests/golden/<name>.png. On a
// mismatch the actual picture and a difference picture (red where pixels
// differ) are written into the build folder. A missing golden fails like a
// wrong one: goldens are written only on purpose, by make golden
// (UPDATE_GOLDEN=1), which writes those that are missing or differ and skips
// their tests so that nobody mistakes a rewrite for a pass.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/PngFile.h"
#include "platform/TPixels.h"

inline bool SameAsGolden(const TPixels& actual, const std::string& golden) {
    if (!std::filesystem::exists(golden)) return false;
    const TPixels expected = ReadPng(golden);
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) return false;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            if (expected.Pixel(x, y) != actual.Pixel(x, y)) return false;
    return true;
}

inline void ExpectMatchesGolden(const TPixels& actual, const std::string& name) {
    const std::string golden = std::string(QUELM_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    const char* update = std::getenv("UPDATE_GOLDEN");
    if (update && std::string(update) == "1" && !SameAsGolden(actual, golden)) {
        WritePng(golden, actual);
        GTEST_SKIP() << "wrote " << golden;
    }
    ASSERT_TRUE(std::filesystem::exists(golden))
        << "no golden image " << golden << " (make golden writes it)";
    const TPixels expected = ReadPng(golden);
    ASSERT_EQ(expected.Width(), actual.Width());
    ASSERT_EQ(expected.Height(), actual.Height());
    TPixels diff(actual.Width(), actual.Height());
    int bad = 0;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x) {
            const bool same = expected.Pixel(x, y) == actual.Pixel(x, y);
            bad += same ? 0 : 1;
            diff.SetPixel(x, y, same ? 0xFFFFFF : 0x0000FF);
        }
    if (bad) {
        const std::string out = std::string(QUELM_BINARY_DIR) + "/golden-" + name;
        WritePng(out + "-actual.png", actual);
        WritePng(out + "-diff.png", diff);
    }
    EXPECT_EQ(bad, 0) << "pixels differ from " << golden;
}
