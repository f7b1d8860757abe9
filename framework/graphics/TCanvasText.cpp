// The text half of TCanvas: runs of glyphs, backgrounds and text lines.
// Layout of formatted text is in DrawText.cpp.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "component/Utf8.h"
#include "graphics/DrawText.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TFontEngine.h"

namespace {
TCanvas::TTextDrawing gTextDrawing = TCanvas::tdSharp;

// A scale-1 glyph as blocks of device pixels.
TGlyph Enlarged(const TGlyph& g, int scale) {
    TGlyph e;
    e.Left = g.Left * scale, e.Top = g.Top * scale;
    e.Width = g.Width * scale, e.Height = g.Height * scale;
    e.Advance = g.Advance * scale;
    e.Coverage.resize(static_cast<size_t>(e.Width) * e.Height);
    for (int y = 0; y < e.Height; ++y)
        for (int x = 0; x < e.Width; ++x)
            e.Coverage[static_cast<size_t>(y) * e.Width + x] =
                g.Coverage[static_cast<size_t>(y / scale) * g.Width + x / scale];
    return e;
}

// Where the sharp glyphs of a run go. Each scale-1 advance is rounded to a
// whole pixel, the larger glyphs' advances at their own size, so the larger
// glyphs placed at the scale-1 pen positions bump into the next word where
// the small ones were rounded down. Instead every word starts where it starts
// at scale 1 and its glyphs keep their own spacing, pressed together where
// the word would not fit its scale-1 width: the text's box and every word's
// place stay as laid out.
class TSharpSpacing {
public:
    TSharpSpacing(TGlyphCache& layout, TGlyphCache& drawn, std::u32string_view run, int scale) {
        if (scale == 1 || gTextDrawing != TCanvas::tdSharp) return;
        FOffsets.resize(run.size());
        int pen = 0; // scale-1 pixels
        for (size_t start = 0; start < run.size();) {
            // A word runs to the next space; a space is a word of its own.
            size_t end = start + 1;
            if (run[start] != U' ')
                while (end < run.size() && run[end] != U' ')
                    ++end;
            pen += PlaceWord(layout, drawn, run.substr(start, end - start), scale, pen, start);
            start = end;
        }
    }
    // Device pixels from the run's start to glyph i.
    int Offset(size_t i) const { return FOffsets[i]; }

private:
    // Places the word's glyphs from FOffsets[first] on, so that the last one
    // ends within the scale-1 word's box; returns the word's scale-1 width.
    int PlaceWord(TGlyphCache& layout, TGlyphCache& drawn, std::u32string_view word, int scale,
                  int pen, size_t first) {
        int laid = 0, natural = 0, last = 0;
        for (size_t k = 0; k < word.size(); ++k) {
            FOffsets[first + k] = natural;
            laid += layout.Glyph(word[k]).Advance;
            last = drawn.Glyph(word[k]).Advance;
            natural += last;
        }
        // From the first glyph's start to the last one's, as drawn and as it
        // may be at most. A word that fits keeps its own spacing: spread out,
        // it would look letter-spaced.
        const int64_t span = natural - last;
        const int64_t room = std::max<int64_t>(0, static_cast<int64_t>(laid) * scale - last);
        for (size_t k = 0; k < word.size(); ++k) {
            int& o = FOffsets[first + k];
            if (span > room) o = static_cast<int>((o * room + span / 2) / span);
            o += pen * scale;
        }
        return laid;
    }

    std::vector<int> FOffsets;
};
} // namespace

void TCanvas::SetTextDrawing(TTextDrawing drawing) {
    gTextDrawing = drawing;
}

TGlyphCache& TCanvas::Glyphs() {
    if (!FGlyphs || !FGlyphsFont.SameFace(FFont)) {
        FGlyphs = &TFontEngine::Instance().Cache(FFont);
        FGlyphsFont.Assign(FFont);
    }
    return *FGlyphs;
}

// The same face at the height times the bitmap's scale: glyphs drawn with the
// screen's own pixels. Layout never asks these; it keeps to Glyphs().
TGlyphCache& TCanvas::DeviceGlyphs(int scale) {
    if (!FDeviceGlyphs || FDeviceGlyphsScale != scale || !FDeviceGlyphsFont.SameFace(FFont)) {
        FDeviceGlyphs = &TFontEngine::Instance().DeviceCache(FFont, scale);
        FDeviceGlyphsFont.Assign(FFont);
        FDeviceGlyphsScale = scale;
    }
    return *FDeviceGlyphs;
}

const TFontMetrics& TCanvas::TextMetrics() {
    return Glyphs().Metrics();
}

TSize TCanvas::TextExtent(const std::string& text) {
    TGlyphCache& g = Glyphs();
    return {g.TextWidth(Utf8Decode(text)), g.Metrics().Height};
}

// Coverage blends the colour over the pixel: (c * a + d * (255 - a)) / 255, rounded.
void TCanvas::DrawGlyph(const TGlyph& g, int px, int baseline, uint32_t color, const TRect& limit) {
    if (g.Width == 0) return;
    TRect box{px + g.Left, baseline - g.Top, px + g.Left + g.Width, baseline - g.Top + g.Height};
    const int c[3] = {static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                      static_cast<int>(color & 0xFF)};
    const int scale = FBitmap->Scale();
    for (const TRect& clip : Clips()) {
        TRect i = box.Intersect(ScaleUp(clip, scale)).Intersect(limit);
        if (i.IsEmpty()) continue;
        // The logical pixels that hold changed device pixels.
        Damaged(scale == 1 ? i
                           : TRect{i.Left / scale, i.Top / scale, (i.Right + scale - 1) / scale,
                                   (i.Bottom + scale - 1) / scale});
        for (int y = i.Top; y < i.Bottom; ++y) {
            const uint8_t* cov = g.Coverage.data() + static_cast<size_t>(y - box.Top) * g.Width +
                                 (i.Left - box.Left);
            uint8_t* p = FBitmap->ScanLine(y) + i.Left * 3;
            for (int x = i.Left; x < i.Right; ++x, ++cov, p += 3) {
                int a = *cov;
                if (a == 0) continue;
                for (int k = 0; k < 3; ++k)
                    p[k] = BlendCoverage(c[k], p[k], a);
            }
        }
    }
}

void TCanvas::DrawTextRun(int x, int y, std::u32string_view run, const TRect* clip) {
    if (!FBitmap || x < -CoordinateLimit || x > CoordinateLimit || y < -CoordinateLimit ||
        y > CoordinateLimit)
        return;
    TGlyphCache& glyphs = Glyphs();
    const TFontMetrics& m = glyphs.Metrics();
    const int scale = FBitmap->Scale();
    TGlyphCache& drawn = scale == 1 ? glyphs : DeviceGlyphs(scale);
    uint32_t color = ColorToPixel(FFont.Color());
    TRect limit =
        ScaleUp(clip ? BitmapRect(*clip) : TRect{0, 0, FBitmap->Width(), FBitmap->Height()}, scale);
    // The pen advances by the scale-1 glyphs, so the text keeps its layout.
    int pen = x + FOrigin.X;
    const int baseline = (y + FOrigin.Y + m.Ascent) * scale;
    const TSharpSpacing sharp(glyphs, drawn, run, scale);
    size_t i = 0;
    for (char32_t ch : run) {
        const TGlyph& g = glyphs.Glyph(ch);
        if (scale == 1)
            DrawGlyph(g, pen, baseline, color, limit);
        else if (gTextDrawing == tdSharp)
            DrawGlyph(drawn.Glyph(ch), (x + FOrigin.X) * scale + sharp.Offset(i), baseline, color,
                      limit);
        else if (gTextDrawing == tdDoubled)
            DrawGlyph(Enlarged(g, scale), pen * scale, baseline, color, limit);
        pen += g.Advance;
        ++i;
    }
    int width = pen - (x + FOrigin.X);
    if (scale != 1 && gTextDrawing == tdNone) return;
    if (FFont.Style() & fsUnderline)
        DrawTextLine(x, y + m.Ascent + m.UnderlineOffset, width, m.UnderlineThickness, clip);
    if (FFont.Style() & fsStrikeOut)
        DrawTextLine(x, y + m.Ascent - m.StrikeOutOffset, width, m.StrikeOutThickness, clip);
}

void TCanvas::DrawTextLine(int x, int y, int width, int thickness, const TRect* clip) {
    TRect line{x, y, x + width, y + thickness};
    TRect d = BitmapRect(line);
    TRect limit = clip ? BitmapRect(*clip) : d;
    FillArea(d, ColorToPixel(FFont.Color()), &limit);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    std::u32string run = Utf8Decode(text);
    if (x < -CoordinateLimit || x > CoordinateLimit || y < -CoordinateLimit || y > CoordinateLimit)
        return;
    if (BrushVisible()) {
        TRect back{x, y, x + Glyphs().TextWidth(run), y + Glyphs().Metrics().Height};
        FillArea(BitmapRect(back), ColorToPixel(FBrush.Color()));
    }
    DrawTextRun(x, y, run, nullptr);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    std::u32string run = Utf8Decode(text);
    if (BrushVisible()) FillArea(BitmapRect(r), ColorToPixel(FBrush.Color()));
    DrawTextRun(x, y, run, &r);
}

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned flags) {
    return ::DrawTextUtf8(*this, text, rect, flags);
}
