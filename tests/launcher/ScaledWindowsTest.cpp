// The three windows drawn at scale 2: with text drawn as doubled glyphs they
// are the scale-1 windows enlarged at every pixel; with sharp text (as the
// program draws it) they differ only where there is text, and lay it out the same.

#include <algorithm>
#include <cstring>

#include "LauncherFixture.h"

#include "WindowGoldens.h"
#include "framework/graphics/TCanvas.h"
#include "tests/ScaledPixels.h"

namespace {

constexpr int kScale = 2;

class ScaledWindows : public HeadlessLauncher {
protected:
    void TearDown() override {
        TCanvas::SetTextDrawing(TCanvas::tdSharp);
        SetGraphicsScale(1);
        HeadlessLauncher::TearDown();
    }

    // The windows as the golden test shows them, at one scale: copies of their back buffers.
    std::vector<std::unique_ptr<TBitmap>> Windows(int scale, TCanvas::TTextDrawing text) {
        SetGraphicsScale(scale);
        TCanvas::SetTextDrawing(text);
        WriteFullIni("0", WriteNewsPage());
        WriteAllSettings();
        ShowTheThreeWindows();
        std::vector<std::unique_ptr<TBitmap>> pictures;
        for (TCustomForm* f : LauncherWindows()) {
            pictures.push_back(std::make_unique<TBitmap>());
            pictures.back()->Assign(*f->BackBuffer());
        }
        DestroyLauncher();
        SetGraphicsScale(1);
        TCanvas::SetTextDrawing(TCanvas::tdSharp);
        return pictures;
    }
};

TEST_F(ScaledWindows, WithDoubledTextTheyAreTheScaleOneWindowsEnlarged) {
    const auto one = Windows(1, TCanvas::tdSharp);
    const auto two = Windows(kScale, TCanvas::tdDoubled);
    for (size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(two[i]->Scale(), kScale);
        EXPECT_TRUE(IsEnlargedOf(*two[i], *one[i])) << "window " << i + 1;
    }
}

// Sharp text changes pixels only near the text's ink (where the windows
// without text differ from those with doubled text): within two logical
// pixels, as the finer glyphs' outlines do not follow the coarse ones exactly.
TEST_F(ScaledWindows, SharpTextChangesOnlyThePixelsNearText) {
    constexpr int kReach = 2;
    const auto doubled = Windows(kScale, TCanvas::tdDoubled);
    const auto none = Windows(kScale, TCanvas::tdNone);
    const auto sharp = Windows(kScale, TCanvas::tdSharp);
    for (size_t i = 0; i < sharp.size(); ++i) {
        SCOPED_TRACE("window " + std::to_string(i + 1));
        const TBitmap &d = *doubled[i], &n = *none[i];
        auto nearInk = [&](int x, int y) {
            for (int v = std::max(0, y - kReach); v <= std::min(d.Height() - 1, y + kReach); ++v)
                for (int u = std::max(0, x - kReach); u <= std::min(d.Width() - 1, x + kReach); ++u)
                    if (d.Pixel(u, v) != n.Pixel(u, v)) return true;
            return false;
        };
        const TPixels &a = sharp[i]->Pixels(), &b = d.Pixels();
        ASSERT_EQ(a.Width(), b.Width());
        int changed = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x) {
                if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
                ++changed;
                ASSERT_TRUE(nearInk(x / kScale, y / kScale))
                    << "device pixel (" << x << "," << y << ") far from any text";
            }
        EXPECT_GT(changed, 0) << "the text is not sharper than doubled";
    }
}

// As the program runs on a 2x screen: the scaling host shows the windows'
// own device pixels, sharp text and all, and clicks at device pixels reach
// the controls under them.
TEST_F(ScaledWindows, TheScalingHostShowsTheWindowsDevicePixels) {
    WriteFullIni("0", WriteNewsPage());
    WriteAllSettings();
    UseScale(kScale);
    ShowTheThreeWindows();
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form3->Visible());
    for (TCustomForm* f : LauncherWindows()) {
        SCOPED_TRACE(f->Name());
        const TPixels &shown = Host->Find(RealWindow(f))->Picture(),
                      &drawn = f->BackBuffer()->Pixels();
        ASSERT_EQ(shown.Width(), drawn.Width());
        ASSERT_EQ(shown.Height(), drawn.Height());
        for (int y = 0; y < shown.Height(); ++y)
            ASSERT_EQ(std::memcmp(shown.ScanLine(y), drawn.ScanLine(y),
                                  static_cast<size_t>(shown.Width()) * 3),
                      0)
                << "row " << y;
    }
    ExpectMatchesGolden(Host->Find(RealWindow(Form1))->Picture(), "launcher-scale2-sharp-Form1");
}

} // namespace
