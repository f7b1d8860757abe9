// Masks, states, clipping and odd sizes at random against a slow painter that
// works out, pixel by pixel, which mask pixel lands where.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "PaintTestUtil.h"
#include "paint/MaskPaint.h"

namespace {

std::mt19937 Rng(20261206);
int Rand(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(Rng);
}

std::unique_ptr<TBitmap> Noise(int w, int h, int keyShare) {
    return ::Noise(Rng, w, h, keyShare);
}

struct TScene {
    std::unique_ptr<TBitmap> Source, Dest, ParentBmp;
    TsMaskImage Mask;
    TCacheInfo Parent;
    TColor Override = clSeeThrough;
};

TScene RandomScene() {
    TScene s;
    if (Rand(0, 3) == 0) {
        s.Source = Noise(Rand(3, 40), Rand(2, 30), 20);
        s.Mask.Bitmap = s.Source.get();
        s.Mask.OwnBitmap = true;
    } else {
        s.Source = Noise(Rand(20, 70), Rand(10, 50), 20);
        const int count = Rand(1, 3), type = Rand(0, 1);
        const int w = Rand(count, s.Source->Width()), h = Rand(type + 1, s.Source->Height());
        const int left = Rand(0, s.Source->Width() - w), top = Rand(0, s.Source->Height() - h);
        s.Mask = {s.Source.get(), false, Bounds(left, top, w, h),
                  count,          type,  Rand(0, 2) ? 0 : Rand(1, 4)};
    }
    s.Dest = Noise(Rand(1, 35), Rand(1, 35), 5);
    s.ParentBmp = Noise(30, 30, 0);
    s.Parent = {s.ParentBmp.get(), Rand(-5, 10), Rand(-5, 10), Rand(0, 1) == 1};
    if (Rand(0, 2) == 0) s.Override = Rand(0, 0xFFFFFF);
    return s;
}

bool Key(TColor c) {
    return c == 0xFF00FF;
}
int Mix(int d, int c, int m) {
    return ((d - c) * m + c * 255) / 256;
}
TColor Channels(TColor a, TColor b, int (*f)(int, int, int), TColor m) {
    TColor r = 0;
    for (int sh : {0, 8, 16})
        r |= f((a >> sh) & 255, (b >> sh) & 255, (m >> sh) & 255) << sh;
    return r;
}

// What a see-through pixel at (x, y) becomes: parent first or override first.
void SeeThrough(const TScene& s, const TCacheInfo& parent, TBitmap& out, int x, int y,
                bool overrideFirst) {
    const int px = parent.X + x, py = parent.Y + y;
    const bool parentHas = parent.Ready && px >= 0 && py >= 0 && px < 30 && py < 30;
    const bool over = s.Override != clSeeThrough;
    if (over && (overrideFirst || !parentHas))
        out.SetPixel(x, y, s.Override);
    else if (parentHas)
        out.SetPixel(x, y, parent.Bitmap->Pixel(px, py));
}

// One mask pixel put down at (x, y) the way the mask's kind says.
void PutPixel(const TScene& s, const TCacheInfo& parent, TBitmap& out, int x, int y, int sx, int sy,
              bool alpha, int alphaOffset, bool keyed) {
    if (x < 0 || y < 0 || x >= out.Width() || y >= out.Height()) return;
    const TColor c = s.Source->Pixel(sx, sy);
    if (alpha) {
        if (Key(c))
            SeeThrough(s, parent, out, x, y, false);
        else
            out.SetPixel(x, y,
                         Channels(out.Pixel(x, y), c, Mix, s.Source->Pixel(sx, sy + alphaOffset)));
    } else if (keyed && Key(c)) {
        SeeThrough(s, parent, out, x, y, true);
    } else {
        out.SetPixel(x, y, c);
    }
}

// Position along one side: (offset into the cell, true for a corner), or -1 when unpainted.
std::pair<int, bool> Along(int pos, int len, int corner1, int corner2, int piece) {
    if (pos < corner1) return {pos, true};
    if (pos >= len - corner2) return {3 * piece - (len - pos), true};
    if (piece <= 0) return {-1, false};
    return {piece + (pos - corner1) % piece, false};
}

void ReferenceBorder(const TScene& s, TBitmap& out, TRect t, bool filling, int state) {
    const TsMaskImage& m = s.Mask;
    const int w = t.Width(), h = t.Height();
    if (w < 2 || h < 2) return;
    int pw, ph, cl, ct = 0, alphaOffset;
    bool alpha;
    if (m.OwnBitmap) {
        pw = m.Bitmap->Width() / 9, ph = m.Bitmap->Height() / 6;
        cl = std::clamp(state, 0, 2) * 3 * pw;
        alphaOffset = m.Bitmap->Height() / 2, alpha = true;
    } else {
        const int st = std::clamp(state, 0, m.ImageCount - 1);
        pw = m.R.Width() / (m.ImageCount * 3), ph = m.R.Height() / ((m.MaskType + 1) * 3);
        cl = m.R.Left + m.R.Width() * st / m.ImageCount, ct = m.R.Top;
        alphaOffset = m.R.Height() / 2, alpha = m.MaskType == 1;
    }
    int cw = pw, cw2 = pw, ch = ph, ch2 = ph;
    if (w < 2 * pw) cw = w / 2, cw2 = w - w / 2;
    if (h < 2 * ph) ch = h / 2, ch2 = h - h / 2;
    if (!m.OwnBitmap && m.BorderWidth) {
        cw = std::min(cw, m.BorderWidth), cw2 = std::min(cw2, m.BorderWidth);
        ch = std::min(ch, m.BorderWidth), ch2 = std::min(ch2, m.BorderWidth);
    }
    const bool centre = filling && !(m.MaskType == 0 && m.BorderWidth != 0);
    for (int y = t.Top; y < t.Bottom; ++y)
        for (int x = t.Left; x < t.Right; ++x) {
            const auto [sx, cornerX] = Along(x - t.Left, w, cw, cw2, pw);
            const auto [sy, cornerY] = Along(y - t.Top, h, ch, ch2, ph);
            if (sx < 0 || sy < 0 || (!cornerX && !cornerY && !centre)) continue;
            PutPixel(s, s.Parent, out, x, y, cl + sx, ct + sy, alpha, alphaOffset,
                     cornerX && cornerY);
        }
}

void ReferenceStateImage(const TScene& s, TBitmap& out, TPoint at, int state, bool opaque) {
    const TsMaskImage& m = s.Mask;
    int cw, ch, left, top = 0, alphaOffset;
    if (m.OwnBitmap) {
        cw = m.Bitmap->Width() / 3, ch = m.Bitmap->Height() / 2;
        left = std::clamp(state, 0, 2) * cw, alphaOffset = m.Bitmap->Height() / 2;
    } else {
        cw = m.R.Width() / m.ImageCount, ch = m.R.Height() / (m.MaskType + 1);
        left = m.R.Left + std::clamp(state, 0, m.ImageCount - 1) * cw, top = m.R.Top;
        alphaOffset = m.R.Height() / 2;
    }
    const bool alpha = m.OwnBitmap || m.MaskType == 1;
    for (int j = 0; j < ch; ++j)
        for (int i = 0; i < cw; ++i) {
            const int x = at.X + i, y = at.Y + j;
            if (x < 0 || y < 0 || x >= out.Width() || y >= out.Height()) continue;
            if (alpha || opaque) {
                PutPixel(s, TCacheInfo{}, out, x, y, left + i, top + j, alpha, alphaOffset, true);
            } else if (!Key(s.Source->Pixel(left + i, top + j))) {
                const TColor c = s.Source->Pixel(left + i, top + j), d = out.Pixel(x, y);
                TColor r = 0;
                for (int sh : {0, 8, 16}) {
                    const int sc = (c >> sh) & 255, dc = (d >> sh) & 255;
                    r |= static_cast<int>(std::lrint(sc - (sc - dc) * 0.5)) << sh;
                }
                out.SetPixel(x, y, r);
            }
        }
}

} // namespace

TEST(MaskRandom, BordersMatchThePixelByPixelPainter) {
    for (int round = 0; round < 400; ++round) {
        TScene s = RandomScene();
        const TRect t = Bounds(Rand(-8, 20), Rand(-8, 20), Rand(0, 40), Rand(0, 40));
        const bool filling = Rand(0, 1) == 1;
        const int state = Rand(-1, 5);
        TBitmap expect;
        expect.Assign(*s.Dest);
        ReferenceBorder(s, expect, t, filling, state);
        DrawBorderMask(s.Dest.get(), t, filling, state, s.Mask, s.Parent, s.Override);
        ASSERT_TRUE(SamePixels(*s.Dest, expect)) << "round " << round;
    }
}

TEST(MaskRandom, StateImagesMatchThePixelByPixelPainter) {
    for (int round = 0; round < 400; ++round) {
        TScene s = RandomScene();
        const TPoint at{Rand(-12, 25), Rand(-12, 25)};
        const int state = Rand(-1, 5);
        const bool opaque = Rand(0, 1) == 1;
        TBitmap expect;
        expect.Assign(*s.Dest);
        ReferenceStateImage(s, expect, at, state, opaque);
        DrawStateImage(s.Dest.get(), at, state, s.Mask, opaque, s.Override);
        ASSERT_TRUE(SamePixels(*s.Dest, expect)) << "round " << round;
    }
}
