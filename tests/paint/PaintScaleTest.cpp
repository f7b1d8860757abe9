// Every painter on bitmaps of scale 2 gives the scale-1 picture enlarged: run
// on random scenes at both scales and compared device pixel by device pixel.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "PaintTestUtil.h"
#include "ScaledPixels.h"
#include "paint/Blend.h"
#include "paint/Gradient.h"
#include "paint/MaskPaint.h"
#include "paint/SectionFill.h"
#include "paint/ShapeFill.h"
#include "paint/SoftRect.h"

namespace {

constexpr int kScale = 2;
std::mt19937 Rng(20261207);
int Rand(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(Rng);
}
TRect RandRect(int w, int h) {
    const int l = Rand(-3, w), t = Rand(-3, h);
    return {l, t, l + Rand(0, w), t + Rand(0, h)};
}

std::unique_ptr<TBitmap> Noise(int w, int h, int keyShare) {
    return ::Noise(Rng, w, h, keyShare);
}

// One set of pictures at one scale.
struct TPictures {
    std::unique_ptr<TBitmap> Source, Dest, Parent;
    TsMaskImage Mask;
    TCacheInfo Info;
};

// Arguments drawn once per scene and used at both scales.
struct TScene {
    TPictures One, Two;
    TRect A, B;
    TPoint At;
    TColor Color = 0;
    TColor Override = clSeeThrough;
    int State = 0;
    TsGradArray Gradient;
};

TScene RandomScene() {
    TScene s;
    s.One.Source = Noise(Rand(20, 50), Rand(12, 40), 20);
    s.One.Dest = Noise(Rand(1, 30), Rand(1, 30), 5);
    s.One.Parent = Noise(30, 30, 0);
    const int count = Rand(1, 3), type = Rand(0, 1);
    const int w = Rand(count * 3, s.One.Source->Width()), h = Rand((type + 1) * 3, 12);
    s.One.Mask = {s.One.Source.get(), false, Bounds(0, 0, w, h), count, type, 0};
    s.One.Info = {s.One.Parent.get(), Rand(-5, 10), Rand(-5, 10), Rand(0, 1) == 1};
    s.Two.Source = Enlarged(*s.One.Source, kScale);
    s.Two.Dest = Enlarged(*s.One.Dest, kScale);
    s.Two.Parent = Enlarged(*s.One.Parent, kScale);
    s.Two.Mask = s.One.Mask;
    s.Two.Mask.Bitmap = s.Two.Source.get();
    s.Two.Info = s.One.Info;
    s.Two.Info.Bitmap = s.Two.Parent.get();
    s.A = RandRect(30, 30);
    s.B = RandRect(30, 30);
    s.At = {Rand(-4, 20), Rand(-4, 20)};
    s.Color = Rand(0, 0xFFFFFF);
    if (Rand(0, 2) == 0) s.Override = Rand(0, 0xFFFFFF);
    s.State = Rand(0, 3);
    s.Gradient = ParseGradientData(std::to_string(Rand(0, 0xFFFFFF)) + ";" +
                                   std::to_string(Rand(0, 0xFFFFFF)) + ";" +
                                   std::to_string(Rand(10, 90)) + ";" + std::to_string(Rand(0, 1)) +
                                   ";0;" + std::to_string(Rand(0, 0xFFFFFF)) + ";0;100;0;0");
    return s;
}

using TPaint = std::function<void(const TScene&, TPictures&)>;
struct TPainter {
    const char* Name;
    TPaint Paint;
};

const std::vector<TPainter>& Painters() {
    static const std::vector<TPainter> all{
        {"BlendColorRect",
         [](const TScene& s, TPictures& p) { BlendColorRect(p.Dest.get(), s.A, 37, s.Color); }},
        {"BlendRect",
         [](const TScene& s, TPictures& p) {
             BlendRect(p.Dest.get(), p.Source.get(), s.Color, s.A, s.At);
             BlendRect(p.Dest.get(), p.Source.get(), 0x404040, s.B, s.At);
         }},
        {"BlendBitmapOnto",
         [](const TScene& s, TPictures& p) {
             BlendBitmapOnto(p.Dest.get(), s.At.X, s.At.Y, 0xFF00FF, 0.3, s.A, p.Source.get());
             BlendBitmapOnto(p.Dest.get(), s.At.Y, s.At.X, NoKeyColor, 0.6, s.B, p.Source.get());
         }},
        {"BlendByMask and grey",
         [](const TScene& s, TPictures& p) {
             auto& mask = p.Source;
             mask->SetSize(p.Dest->Width(), p.Dest->Height());
             BlendByMask(p.Dest.get(), mask.get(), s.Color);
             MakeGreyExcept(p.Dest.get(), 0xFF00FF);
         }},
        {"FillRectColor and CopyRect",
         [](const TScene& s, TPictures& p) {
             FillRectColor(p.Dest.get(), s.A, s.Color);
             CopyRect(p.Dest.get(), s.At, p.Source.get(), s.B);
             CopyRect(p.Dest.get(), {s.At.X, 2}, p.Dest.get(), s.A);
         }},
        {"CopyKeyed and CopyAlpha",
         [](const TScene& s, TPictures& p) {
             CopyKeyed(p.Dest.get(), p.Source.get(), s.At, p.Info, 0xFF00FF, s.A, s.Override);
             CopyAlpha(s.B, s.A, p.Dest.get(), p.Source.get(), 5, p.Info, s.Override);
         }},
        {"state images and borders",
         [](const TScene& s, TPictures& p) {
             DrawStateImage(p.Dest.get(), s.At, s.State, p.Mask, s.State % 2 == 0, s.Override);
             DrawBorderMask(p.Dest.get(), s.A, s.State > 1, s.State, p.Mask, p.Info, s.Override);
         }},
        {"gradients and shapes",
         [](const TScene& s, TPictures& p) {
             FillGradient(p.Dest.get(), s.A, s.Gradient);
             FillRoundRect(p.Dest.get(), s.B, s.State * 3, s.State * 2, s.Color);
             FillEllipse(p.Dest.get(), {s.At.X, s.At.Y, s.At.X + 9, s.At.Y + 7}, s.Color);
         }},
        {"soft rectangles and patterns",
         [](const TScene& s, TPictures& p) {
             SoftRect(p.Dest.get(), s.A, 40, s.State * 2, s.State, s.Color);
             TilePattern(p.Dest.get(), s.B, p.Source.get(), {1, 1, 6, 5});
         }},
    };
    return all;
}

TEST(PaintScale, PaintersGiveTheScaleOnePictureEnlarged) {
    for (int round = 0; round < 150; ++round) {
        for (const TPainter& painter : Painters()) {
            TScene s = RandomScene();
            painter.Paint(s, s.One);
            painter.Paint(s, s.Two);
            ASSERT_TRUE(IsEnlargedOf(*s.Two.Dest, *s.One.Dest))
                << painter.Name << " in round " << round;
        }
    }
}

// The push buttons' region is logical: it comes out the same at both scales.
TEST(PaintScale, BorderRegionsStayLogical) {
    for (int round = 0; round < 100; ++round) {
        TScene s = RandomScene();
        TRegion one(TRect{0, 0, 30, 30}), two(TRect{0, 0, 30, 30});
        DrawBorderMaskRegion(s.One.Dest.get(), s.A, true, s.State, s.One.Mask, one);
        DrawBorderMaskRegion(s.Two.Dest.get(), s.A, true, s.State, s.Two.Mask, two);
        ASSERT_TRUE(IsEnlargedOf(*s.Two.Dest, *s.One.Dest)) << round;
        ASSERT_EQ(one.Rects(), two.Rects()) << round;
        std::vector<TRect> rectsOne, rectsTwo;
        SeeThroughRects(s.One.Mask, 20, s.State % 2 == 1, 3, rectsOne);
        SeeThroughRects(s.Two.Mask, 20, s.State % 2 == 1, 3, rectsTwo);
        ASSERT_EQ(rectsOne, rectsTwo) << round;
    }
}

// A source not yet made at the destination's scale is painted as if it were:
// doubled first.
TEST(PaintScale, SourcesOfAnotherScaleAreDoubled) {
    for (int round = 0; round < 50; ++round) {
        TScene s = RandomScene();
        BlendBitmapOnto(s.One.Dest.get(), s.At.X, s.At.Y, 0xFF00FF, 0.5, s.A, s.One.Source.get());
        BlendBitmapOnto(s.Two.Dest.get(), s.At.X, s.At.Y, 0xFF00FF, 0.5, s.A, s.One.Source.get());
        CopyKeyed(s.One.Dest.get(), s.One.Source.get(), s.At, s.One.Info, 0xFF00FF, s.B);
        CopyKeyed(s.Two.Dest.get(), s.One.Source.get(), s.At, s.Two.Info, 0xFF00FF, s.B);
        ASSERT_TRUE(IsEnlargedOf(*s.Two.Dest, *s.One.Dest)) << round;
    }
}

} // namespace
