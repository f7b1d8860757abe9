#pragma once
// One font face at one pixel size: metrics in the Windows sense and the
// coverage of each glyph drawn so far. Glyphs load with the font's embedded
// bitmaps when it has a strike at the size (crisp, two coverage values),
// otherwise as grayscale outlines with light hinting. Measuring and drawing
// use the same glyphs, so widths always match what is drawn.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "graphics/TFont.h"

struct TFontMatch {
    std::string File;
    int Index = 0;
    std::string Family;       // the family of the file found
    bool Substituted = false; // the family asked for was not found
};

struct TFontMetrics {
    int PixelSize = 0; // em height in pixels
    int Ascent = 0;    // pixels above the baseline
    int Descent = 0;   // pixels below it
    int Height = 0;    // Ascent + Descent: the line height
    int InternalLeading = 0;
    int AveCharWidth = 0;
    int UnderlineOffset = 0; // rows below the baseline row where underlines start
    int UnderlineThickness = 1;
    int StrikeOutOffset = 0; // rows above the baseline where strike-outs start
    int StrikeOutThickness = 1;
};

// Coverage 0..255, Width x Height, placed at (pen x + Left, baseline - Top).
struct TGlyph {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Advance = 0;
    std::vector<uint8_t> Coverage;
};

class TGlyphCache {
public:
    struct TFace;
    // Bold and italic asked for but missing from the file are made up.
    TGlyphCache(const TFontMatch& match, int height, TFontStyles style);
    ~TGlyphCache();
    TGlyphCache(const TGlyphCache&) = delete;
    TGlyphCache& operator=(const TGlyphCache&) = delete;

    const TFontMatch& Match() const { return FMatch; }
    const TFontMetrics& Metrics() const { return FMetrics; }
    // True when glyphs come from an embedded bitmap strike at this size.
    bool UsesBitmapStrike() const { return FStrike; }
    bool SyntheticBold() const { return FBold; }
    bool SyntheticItalic() const { return FItalic; }

    const TGlyph& Glyph(char32_t ch);
    // The sum of a glyph's coverage: how much ink it puts down.
    long Ink(char32_t ch);
    // Makes the glyphs bolder from here on (those drawn so far are dropped).
    void Embolden();
    int Advance(char32_t ch) { return Glyph(ch).Advance; }
    int TextWidth(std::u32string_view text);

private:
    void LoadMetrics(int height);
    void SelectSize(int ppem);
    TGlyph Render(char32_t ch);

    TFontMatch FMatch;
    std::unique_ptr<TFace> FFace;
    TFontMetrics FMetrics;
    bool FStrike = false;
    bool FBold = false;
    bool FItalic = false;
    std::unordered_map<char32_t, TGlyph> FGlyphs;
};
