#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/PngFile.h"
#include "platform/headless/THeadlessHost.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

namespace {

TPixels Sample() {
    TPixels p(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            p.SetPixel(x, y, static_cast<uint32_t>(x * 0x30 + (y * 0x50 << 8) + 0x7F0000));
    return p;
}

} // namespace

TEST(PngFile, RoundTripIsExactAndKeepsTheShape) {
    const TTempFolder scratch;
    const fs::path dir = scratch.Path();
    const TPixels p = Sample();
    WritePng((dir / "plain.png").string(), p);
    TRegion shape;
    const TPixels back = ReadPng((dir / "plain.png").string(), &shape);
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back.Pixel(x, y), p.Pixel(x, y));
    EXPECT_EQ(shape, TRegion(Rect(0, 0, 5, 3)));

    TRegion cut(Rect(0, 0, 5, 3));
    cut.Subtract(Rect(1, 1, 3, 2));
    WritePng((dir / "shaped.png").string(), p, &cut);
    const TPixels shaped = ReadPng((dir / "shaped.png").string(), &shape);
    EXPECT_EQ(shape, cut);
    EXPECT_EQ(shaped.Pixel(4, 2), p.Pixel(4, 2));
}

TEST(PngFile, BadFilesGiveClearErrors) {
    const TTempFolder scratch;
    const fs::path dir = scratch.Path();
    const auto expectError = [](const fs::path& path, const char* part) {
        try {
            ReadPng(path.string());
            ADD_FAILURE() << "no error for " << path;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(path.filename().string()), std::string::npos)
                << e.what();
            EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
        }
    };
    expectError(dir / "missing.png", "Cannot read PNG");
    std::ofstream(dir / "text.png") << "not a picture at all";
    expectError(dir / "text.png", "Cannot read PNG");

    WritePng((dir / "good.png").string(), Sample());
    const auto size = fs::file_size(dir / "good.png");
    fs::resize_file(dir / "good.png", size / 2);
    expectError(dir / "good.png", "Cannot read PNG");

    EXPECT_THROW(WritePng((dir / "no" / "such" / "dir.png").string(), Sample()),
                 std::runtime_error);
    EXPECT_THROW(WritePng((dir / "empty.png").string(), TPixels()), std::runtime_error);
}

TEST(PngFile, WindowsAndScreenshotsShowShapes) {
    THeadlessHost host;
    host.SetScreen({8, 6}, 0);
    TWindowParams p;
    p.Bounds = Bounds(2, 1, 4, 3);
    auto w = host.CreateWindow(p);
    w->Show();
    TPixels pic(4, 3);
    pic.Fill(0x00FF00);
    w->Present(pic, TRegion(Rect(0, 0, 4, 3)));
    TRegion shape(Rect(0, 0, 4, 3));
    shape.Subtract(Rect(0, 0, 1, 1));
    w->SetShape(&shape);

    const TPixels screen = host.Screenshot(0x112233);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool in = x >= 2 && x < 6 && y >= 1 && y < 4 && !(x == 2 && y == 1);
            EXPECT_EQ(screen.Pixel(x, y), in ? 0x00FF00u : 0x112233u) << x << "," << y;
        }
    EXPECT_NE(host.Find(w.get())->ShownPicture().Pixel(0, 0), 0x00FF00u);

    const TTempFolder scratch;
    const fs::path dir = scratch.Path();
    host.Find(w.get())->SaveToPng((dir / "w.png").string());
    TRegion readShape;
    ReadPng((dir / "w.png").string(), &readShape);
    EXPECT_EQ(readShape, shape);
}
