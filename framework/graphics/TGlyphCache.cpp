#include "graphics/TGlyphCache.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

namespace {

// Never freed: glyph caches live until the program ends.
FT_Library FreeType() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return library;
}

int RoundDiv(long long a, long long b) {
    return static_cast<int>((2 * a + b) / (2 * b));
}

// Without a font file text still gets plausible metrics, so layout works.
TFontMetrics MetricsWithoutFace(int height) {
    TFontMetrics m;
    int ppem = height < 0 ? -height : std::max(1, height * 4 / 5);
    m.PixelSize = ppem;
    m.Ascent = ppem;
    m.Descent = std::max(1, ppem / 5);
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = m.Height - ppem;
    m.AveCharWidth = std::max(1, ppem / 2);
    return m;
}

// The cell above and below the baseline in font units: the Windows extent of
// the OS/2 table when there is one, which is what cell heights refer to.
struct TWinExtent {
    long Ascent, Descent;
};

TWinExtent WinExtent(FT_Face face, const TT_OS2* os2, long upem) {
    TWinExtent e{os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender,
                 os2 && os2->usWinAscent ? os2->usWinDescent : -face->descender};
    if (e.Ascent + e.Descent <= 0) e = {upem * 4 / 5 + 1, upem / 5 + 1};
    return e;
}

// Ascent, descent, underline and strike-out of an outline font at m.PixelSize.
void ScalableMetrics(TFontMetrics& m, FT_Face face, const TT_OS2* os2, TWinExtent ext, long upem) {
    const int ppem = m.PixelSize;
    m.Ascent = RoundDiv(ext.Ascent * ppem, upem);
    m.Descent = RoundDiv(ext.Descent * ppem, upem);
    m.UnderlineOffset =
        std::max(0, RoundDiv(-static_cast<long long>(face->underline_position) * ppem, upem) - 1);
    m.UnderlineThickness =
        std::max(1, RoundDiv(face->underline_thickness * static_cast<long long>(ppem), upem));
    int strikePos = os2 ? os2->yStrikeoutPosition : static_cast<int>(upem * 3 / 10);
    int strikeSize = os2 ? os2->yStrikeoutSize : face->underline_thickness;
    m.StrikeOutOffset = std::max(1, RoundDiv(static_cast<long long>(strikePos) * ppem, upem));
    m.StrikeOutThickness = std::max(1, RoundDiv(static_cast<long long>(strikeSize) * ppem, upem));
}

} // namespace

struct TGlyphCache::TFace {
    FT_Face Face = nullptr;
    ~TFace() {
        if (Face) FT_Done_Face(Face);
    }
};

TGlyphCache::TGlyphCache(const TFontMatch& match, int height, TFontStyles style)
    : FMatch(match), FFace(std::make_unique<TFace>()) {
    FT_Library lib = FreeType();
    if (lib && !match.File.empty() &&
        FT_New_Face(lib, match.File.c_str(), match.Index, &FFace->Face) != 0)
        FFace->Face = nullptr;
    // The face's own flags: fontconfig reports asked-for styles it would synthesise.
    long flags = FFace->Face ? FFace->Face->style_flags : 0;
    FBold = (style & fsBold) && !(flags & FT_STYLE_FLAG_BOLD);
    FItalic = (style & fsItalic) && !(flags & FT_STYLE_FLAG_ITALIC);
    LoadMetrics(height);
}

TGlyphCache::~TGlyphCache() = default;

// Windows heights: negative is the em height, positive the cell height.
void TGlyphCache::LoadMetrics(int height) {
    if (height == 0) height = -11;
    height = std::clamp(height, -1000, 1000);
    FT_Face face = FFace->Face;
    TFontMetrics& m = FMetrics;
    if (!face) {
        m = MetricsWithoutFace(height);
        return;
    }
    TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    long upem = face->units_per_EM > 0 ? face->units_per_EM : 1;
    const TWinExtent ext = WinExtent(face, os2, upem);
    int ppem = height < 0 ? -height
                          : std::max(1, RoundDiv(static_cast<long long>(height) * upem,
                                                 ext.Ascent + ext.Descent));
    ppem = std::min(ppem, 1000);
    SelectSize(ppem);

    m.PixelSize = ppem;
    if (FT_IS_SCALABLE(face)) {
        ScalableMetrics(m, face, os2, ext, upem);
    } else {
        m.Ascent = static_cast<int>((face->size->metrics.ascender + 32) >> 6);
        m.Descent = static_cast<int>((-face->size->metrics.descender + 32) >> 6);
        m.StrikeOutOffset = std::max(1, m.Ascent / 3);
    }
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(0, m.Height - ppem);
    m.AveCharWidth = std::max(1, Glyph(U'x').Advance);
}

// Scales an outline font to ppem, or picks the nearest strike of a bitmap
// font; notes whether glyphs come from a bitmap strike.
void TGlyphCache::SelectSize(int ppem) {
    FT_Face face = FFace->Face;
    if (FT_IS_SCALABLE(face)) {
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem));
        for (int i = 0; i < face->num_fixed_sizes; ++i)
            if (RoundDiv(face->available_sizes[i].y_ppem, 64) == ppem) FStrike = true;
    } else if (face->num_fixed_sizes > 0) {
        int best = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i)
            if (std::abs(face->available_sizes[i].y_ppem / 64 - ppem) <
                std::abs(face->available_sizes[best].y_ppem / 64 - ppem))
                best = i;
        FT_Select_Size(face, best);
        FStrike = true;
    }
    // Synthetic italic needs outlines; the strike has none.
    if (FItalic && FT_IS_SCALABLE(face)) FStrike = false;
}

const TGlyph& TGlyphCache::Glyph(char32_t ch) {
    auto it = FGlyphs.find(ch);
    if (it != FGlyphs.end()) return it->second;
    return FGlyphs.emplace(ch, Render(ch)).first->second;
}

long TGlyphCache::Ink(char32_t ch) {
    long sum = 0;
    for (uint8_t c : Glyph(ch).Coverage)
        sum += c;
    return sum;
}

void TGlyphCache::Embolden() {
    FBold = true;
    FGlyphs.clear();
}

int TGlyphCache::TextWidth(std::u32string_view text) {
    int w = 0;
    for (char32_t c : text)
        w += Glyph(c).Advance;
    return w;
}

TGlyph TGlyphCache::Render(char32_t ch) {
    TGlyph g;
    FT_Face face = FFace->Face;
    if (!face) {
        g.Advance = ch < 0x20 ? 0 : FMetrics.AveCharWidth;
        return g;
    }
    // Control characters have no ink and no width.
    if (ch < 0x20 || ch == 0x7F) return g;
    FT_UInt index = FT_Get_Char_Index(face, ch);
    if (index == 0 && face->charmap && face->charmap->encoding == FT_ENCODING_MS_SYMBOL)
        index = FT_Get_Char_Index(face, 0xF000 | ch);
    FT_Int32 flags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT;
    if (FItalic) flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(face, index, flags) != 0) return g;
    FT_GlyphSlot slot = face->glyph;
    if (FItalic && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Matrix shear{0x10000, 0x366A, 0, 0x10000}; // about 12 degrees
        FT_Outline_Transform(&slot->outline, &shear);
    }
    if (FBold) FT_GlyphSlot_Embolden(slot);
    g.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_LIGHT) != 0)
        return g;

    const FT_Bitmap& bm = slot->bitmap;
    g.Left = slot->bitmap_left;
    g.Top = slot->bitmap_top;
    g.Width = static_cast<int>(bm.width);
    g.Height = static_cast<int>(bm.rows);
    g.Coverage.assign(static_cast<size_t>(g.Width) * g.Height, 0);
    for (int y = 0; y < g.Height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
        uint8_t* out = g.Coverage.data() + static_cast<size_t>(y) * g.Width;
        for (int x = 0; x < g.Width; ++x) {
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                out[x] = bm.num_grays == 256
                             ? row[x]
                             : static_cast<uint8_t>(row[x] * 255 / std::max(1, bm.num_grays - 1));
        }
    }
    return g;
}
