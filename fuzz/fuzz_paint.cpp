// The blends and mask painters on bitmaps of any size, at any offset, with
// any pixels: nothing may be touched outside the bitmaps, and the vector
// loops must give the bytes of the plain ones.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "framework/graphics/TBitmap.h"
#include "paint/Blend.h"
#include "paint/MaskPaint.h"
#include "paint/PixelKernels.h"

namespace {

// Reads the fuzzer's bytes in order, giving zeros once they run out.
class TInput {
public:
    TInput(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
    uint8_t Byte() { return FAt < FSize ? FData[FAt++] : 0; }
    int Range(int lo, int hi) { return lo + (Byte() | Byte() << 8) % (hi - lo + 1); }
    void Fill(TBitmap& b) {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width() * 3; ++x) {
                // Mostly the see-through colour's bytes, so keys turn up often.
                const uint8_t v = Byte();
                b.ScanLine(y)[x] = v < 64 ? (x % 3 == 1 ? 0 : 255) : v;
            }
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FAt = 0;
};

struct TScene {
    TBitmap Dst, Src, Parent;
    int Op, X, Y;
    TRect R;
    double Alpha;
    uint32_t Key;
    TColor Color;
    bool ParentReady;
};

void Make(TInput& in, TScene& s) {
    s.Op = in.Range(0, 5);
    const int wide = in.Byte() < 40 ? 1100 : 70;
    s.Dst.SetSize(in.Range(1, wide), in.Range(1, 6));
    s.Src.SetSize(in.Range(1, wide), in.Range(1, 12));
    s.Parent.SetSize(in.Range(1, wide), in.Range(1, 8));
    s.X = in.Range(-80, 80), s.Y = in.Range(-4, 4);
    s.R = {in.Range(-20, 60), in.Range(-3, 6), in.Range(-20, 1200), in.Range(-3, 12)};
    s.Alpha = std::array{0.4, 0.5, 0.0, 0.123, 1.0}[in.Range(0, 4)];
    s.Key = in.Byte() < 128 ? NoKeyColor : 0xFF00FF;
    s.Color = static_cast<TColor>(in.Range(0, 0xFFFF) * 0x101);
    s.ParentReady = in.Byte() & 1;
    in.Fill(s.Dst), in.Fill(s.Src), in.Fill(s.Parent);
}

void Copy(const TScene& from, TScene& to) {
    to.Dst.Assign(from.Dst), to.Src.Assign(from.Src), to.Parent.Assign(from.Parent);
    to.Op = from.Op, to.X = from.X, to.Y = from.Y, to.R = from.R, to.Alpha = from.Alpha;
    to.Key = from.Key, to.Color = from.Color, to.ParentReady = from.ParentReady;
}

void Run(TScene& s) {
    const TCacheInfo parent{&s.Parent, s.X / 2, s.Y, s.ParentReady};
    switch (s.Op) {
    case 0:
        BlendBitmapOnto(&s.Dst, s.X, s.Y, s.Key, s.Alpha, s.R, &s.Src);
        break;
    case 1:
        CopyAlpha(Bounds(s.X, s.Y, s.R.Right, s.R.Bottom),
                  Bounds(s.R.Left, s.R.Top, s.R.Right, s.R.Bottom), &s.Dst, &s.Src,
                  s.Src.Height() / 2, parent, s.Key == NoKeyColor ? clSeeThrough : s.Color);
        break;
    case 2:
        if (s.Src.Width() == s.Dst.Width() && s.Src.Height() == s.Dst.Height())
            BlendByMask(&s.Dst, &s.Src, s.Color);
        else
            BlendByMask(&s.Dst, &s.Dst, s.Color);
        break;
    case 3:
        BlendRect(&s.Dst, &s.Src, s.Color, s.R, {s.X, s.Y});
        break;
    default: {
        const TsMaskImage mask{&s.Src, false, s.R, 1 + s.Op % 3, 1, 0};
        DrawBorderMask(&s.Dst, {s.X, s.Y, s.X + s.R.Right, s.Y + s.R.Bottom}, true, s.Op, mask,
                       parent);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TInput in(data, size);
    TScene fast, plain;
    Make(in, fast);
    Copy(fast, plain);
    PixelKernels::UseLevel(PixelKernels::BestLevel());
    Run(fast);
    PixelKernels::UseLevel(PixelKernels::TLevel::Plain);
    Run(plain);
    for (int y = 0; y < fast.Dst.Height(); ++y)
        if (std::memcmp(fast.Dst.ScanLine(y), plain.Dst.ScanLine(y), fast.Dst.Width() * 3) != 0)
            std::abort();
    return 0;
}
