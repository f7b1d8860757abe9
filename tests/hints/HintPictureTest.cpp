// The hint's picture over a known desktop, pixel by pixel: what lies below
// shows outside the shape, the body is its fill (a gradient exactly, when
// the gradient takes it all), transparency blends the body over the desktop,
// and the shadow darkens the desktop beside the body.

#include "tests/hints/HintFixture.h"

#include "hints/HintShapes.h"
#include "paint/Blend.h"
#include "paint/Gradient.h"

namespace {

class HintPicture : public HintFixture {
protected:
    // The desktop's pixel under a point of the hint window.
    uint32_t Below(const THintWindow* w, int x, int y) const {
        return Desktop(w->Left() + x, w->Top() + y);
    }
    // A point of the body well away from the centred text.
    static TPoint Corner(const TsCustomHintWindow* w) {
        const TRect s = w->Geometry().Shape();
        return {s.Left + 2, (s.Top + s.Bottom) / 2};
    }
};

// The body of one colour mixed over one desktop pixel by BlendRect at t.
uint32_t Blended(uint32_t body, uint32_t below, int transparency) {
    TBitmap dst(1, 1), src(1, 1);
    dst.Pixels().SetPixel(0, 0, below);
    src.Pixels().SetPixel(0, 0, body);
    const int t = transparency * 255 / 100;
    BlendRect(&dst, &src, t | (t << 8) | (t << 16), {0, 0, 1, 1}, {0, 0});
    return dst.Pixels().Pixel(0, 0);
}

} // namespace

TEST_F(HintPicture, TheDesktopShowsOutsideTheEllipseAndTheBodyInside) {
    PlainLook(hsEllipse);
    TsCustomHintWindow* w = ShowHint(" ");
    ASSERT_TRUE(w && w->Visible());
    EXPECT_TRUE(w->SawBelow());
    EXPECT_EQ(w->WindowRgn(), nullptr);
    const TPixels shown = OnScreen(w);
    const TBitmap& mask = w->Mask();
    int outside = 0, inside = 0;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            if ((mask.Pixels().Pixel(x, y) & 0xFF) == 255) {
                ++outside;
                ASSERT_EQ(shown.Pixel(x, y), Below(w, x, y)) << x << "," << y;
            } else {
                ++inside;
                ASSERT_EQ(shown.Pixel(x, y), 0x2060C0u) << x << "," << y;
            }
        }
    // The ellipse leaves the corners, and the tail's room but the tail, to the desktop.
    EXPECT_GT(outside, shown.Width() * w->Geometry().TailRoom / 2);
    EXPECT_GT(inside, shown.Width() * shown.Height() / 2);
    EXPECT_EQ(shown.Pixel(0, shown.Height() - 1), Below(w, 0, shown.Height() - 1));
}

TEST_F(HintPicture, AGradientThatTakesItAllIsTheWholeBody) {
    PlainLook(hsSimply);
    const std::string gradient = "16753188;16777215;99;0;0;16777215;16777215;0;0;0";
    Manager->HintKind()->SetGradientData(gradient);
    Manager->HintKind()->SetGradientPercent(100);
    TsCustomHintWindow* w = ShowHint(" ");
    ASSERT_TRUE(w && w->Visible());
    const TRect body = w->Geometry().Body();
    TBitmap expected(body.Width(), body.Height());
    FillGradient(&expected, {0, 0, body.Width(), body.Height()}, ParseGradientData(gradient));
    const TPixels shown = OnScreen(w);
    const TSize text = {w->Width() / 4, w->Height() / 4};
    for (int y = 0; y < body.Height(); ++y)
        for (int x = 0; x < body.Width(); ++x) {
            if (std::abs(x - body.Width() / 2) < text.cx &&
                std::abs(y - body.Height() / 2) < text.cy)
                continue; // where the text stands
            ASSERT_EQ(shown.Pixel(x, y), expected.Pixels().Pixel(x, y)) << x << "," << y;
        }
    // A gradient that parses to nothing leaves the colour, and says so.
    Manager->HintKind()->SetGradientData("");
    App->CancelHint();
    w = ShowHint(" ");
    EXPECT_EQ(Manager->HintKind()->Look().GradientPercent, 0);
    EXPECT_EQ(OnScreen(w).Pixel(2, 2), 0x2060C0u);
}

TEST_F(HintPicture, TransparencyBlendsTheBodyOverTheDesktop) {
    for (int transparency : {0, 37, 100}) {
        PlainLook(hsComics);
        Manager->HintKind()->SetTransparency(transparency);
        Move(Target, 150, 5);
        TsCustomHintWindow* w = ShowHint(" ");
        ASSERT_TRUE(w && w->Visible());
        const TPixels shown = OnScreen(w);
        const TRect s = w->Geometry().Shape();
        for (int y = s.Top + s.Height() / 3; y < s.Top + s.Height() * 2 / 3; ++y)
            for (int x = s.Left + s.Width() / 3; x < s.Left + s.Width() * 2 / 3; ++x)
                ASSERT_EQ(shown.Pixel(x, y), transparency == 100
                                                 ? Below(w, x, y)
                                                 : Blended(0x2060C0, Below(w, x, y), transparency))
                    << transparency << ": " << x << "," << y;
    }
}

TEST_F(HintPicture, TheShadowDarkensTheDesktopBesideTheBodyAndTakesNoRoomWhenOff) {
    PlainLook(hsSimply);
    TsHintKind* k = Manager->HintKind();
    k->SetShadowEnabled(true);
    k->SetShadowBlur(0);
    k->SetShadowOffset(5);
    k->SetShadowTransparency(40);
    k->SetShadowColor(0x000080);
    TsCustomHintWindow* w = ShowHint(" ");
    ASSERT_TRUE(w && w->Visible());
    const TPixels shown = OnScreen(w);
    const int right = w->Width() - 1, bottom = w->Height() - 1;
    // Right of the body, below the shadow's top: the desktop under the shadow's colour.
    const uint32_t below = Below(w, right, bottom);
    const uint8_t m = static_cast<uint8_t>(40 * 255 / 100);
    const uint32_t dark = MixByMask(below & 0xFF, 0x80, m) |
                          (MixByMask((below >> 8) & 0xFF, 0, m) << 8) |
                          (MixByMask((below >> 16) & 0xFF, 0, m) << 16);
    EXPECT_EQ(shown.Pixel(right, bottom), dark);
    // Beside the body above the shadow's offset the desktop is untouched.
    EXPECT_EQ(shown.Pixel(right, 2), Below(w, right, 2));
    EXPECT_EQ(shown.Pixel(2, bottom), Below(w, 2, bottom));
}

TEST_F(HintPicture, WhereNothingShowsThroughTheMaskCutsTheWindow) {
    TBitmap mask(6, 3);
    mask.Pixels().Fill(0xFFFFFF);
    mask.Pixels().SetPixel(1, 0, 0x808080);
    mask.Pixels().SetPixel(2, 0, 0);
    mask.Pixels().SetPixel(4, 2, 0xFEFEFE);
    TRegion expected(TRect{1, 0, 3, 1});
    expected.Union(TRect{4, 2, 5, 3});
    EXPECT_EQ(MaskRegion(&mask), expected);
}
