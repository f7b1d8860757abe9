#pragma once
// Drawing onto a bitmap: a whole bitmap, or one control's part of a form's
// back buffer ("window DC" / "client DC").
//
// Coordinates passed to drawing calls are logical: the origin (in bitmap
// pixels) is added to them. The clip region is kept in bitmap coordinates and
// never reaches outside the bitmap, so nothing is ever written outside it.
//
// Bitmap coordinates are the bitmap's logical pixels. On a bitmap of scale 2
// or more every area is written as its blocks of device pixels, so that what
// is drawn is exactly the scale-1 picture enlarged; shapes and lines too are
// worked out in logical pixels and written as blocks. Copies between bitmaps
// of one scale move device pixels; between scales they resample by nearest
// neighbour. Text is the one exception: it is laid out in logical pixels as at
// scale 1, but each glyph is rasterised at the font's size times the scale
// and placed at its scale-1 pen position times the scale, so that it is sharp.
//
// Which pixels a shape covers follows the platform's conventions:
// - FillRect(r), FrameRect(r): the half-open rectangle, Left..Right-1, Top..Bottom-1.
// - LineTo draws from the pen position up to, not including, the end point.
// - Rectangle(l, t, r, b) with a pen covers l..r-1 x t..b-1, outline included
//   (a wider pen grows inward); with psClear only the inside is filled, which
//   is one pixel less on the right and bottom: l..r-2 x t..b-2.
// - Ellipse and RoundRect cover the pixels whose centres lie inside the
//   figure inscribed in the box (l, t, r, b); the outline is the part of that
//   within pen-width of its edge. With psClear the figure is inscribed in
//   (l, t, r-1, b-1), one pixel less on the right and bottom like Rectangle.
// - Polygon fills the pixels whose (integer) points lie inside the polygon,
//   points on a left or top edge inside, on a right or bottom edge outside,
//   with the alternate (even-odd) or winding rule; the outline with the pen
//   then covers every vertex and edge.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/TBrush.h"
#include "graphics/TFont.h"
#include "graphics/TPen.h"
#include "platform/TRegion.h"
#include "platform/Types.h"

class TBitmap;
class TGlyphCache;
struct TFontMetrics;

// Raster operations of BitBlt: the source, and three combinations with the destination.
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;

constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFF);

enum TPolyFillMode { pfAlternate, pfWinding };

class TCanvas {
public:
    explicit TCanvas(TBitmap* bitmap);
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBitmap* Bitmap() const { return FBitmap; }
    // Points the canvas at another bitmap (or none); origin and clip reset.
    void SetBitmap(TBitmap* bitmap);

    // Drawing objects. Setting copies the attributes, as assigning a font does.
    TFont* Font() { return &FFont; }
    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    void SetFont(const TFont& font) { FFont.Assign(font); }
    void SetPen(const TPen& pen) { FPen.Assign(pen); }
    void SetBrush(const TBrush& brush) { FBrush.Assign(brush); }

    // Where logical (0, 0) is, in bitmap pixels.
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint origin) { FOrigin = origin; }
    void SetOrigin(int x, int y) { FOrigin = {x, y}; }

    // Clipping, in bitmap coordinates. Without a clip region the whole bitmap is drawable.
    TRegion ClipRegion() const;
    void SetClipRegion(const TRegion& region);
    void ResetClip();
    // Logical rectangles, as the platform's calls of the same names take them.
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    // The bounding box of the drawable area, in logical coordinates.
    TRect ClipRect() const;
    bool RectVisible(const TRect& r) const;

    // Saves origin, clip, pen, brush, font, pen position and fill mode.
    // Returns the new depth (1 for the first save).
    int SaveDC();
    // Restores the state saved at that depth (negative: that many saves back)
    // and drops the later ones. False when there is no such state.
    bool RestoreDC(int level = -1);

    // CLR_INVALID outside the clip.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint p) { FPenPos = p; }
    void MoveTo(int x, int y) { FPenPos = {x, y}; }
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);

    void FillRect(const TRect& r);  // with the brush; nothing when it is clear
    void FrameRect(const TRect& r); // one-pixel border in the brush colour
    // Dotted frame that inverts every other pixel; drawing it twice removes it.
    void DrawFocusRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Corners are quarters of an ellipse cornerWidth x cornerHeight.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    TPolyFillMode PolyFillMode() const { return FFillMode; }
    void SetPolyFillMode(TPolyFillMode mode) { FFillMode = mode; }

    // Copies width x height pixels from the source's logical (sx, sy). The
    // part of the source outside its bitmap is left out; the source's clip
    // does not apply. Overlapping copies within one bitmap are safe.
    void BitBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy,
                uint32_t rop = SRCCOPY);
    void BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy,
                uint32_t rop = SRCCOPY);
    // Stretches (nearest pixel) when the sizes differ.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    // Whole bitmap at (x, y), leaving out its TransparentColor when Transparent is set.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);

    // Text (UTF-8) in the current font; (x, y) is the top left of the text
    // cell. The background is filled with the brush unless the brush is clear.
    void TextOut(int x, int y, const std::string& text);
    // Like TextOut, clipped to r.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    const TFontMetrics& TextMetrics();
    // Formatted text; the DT_ flags are in graphics/DrawText.h. Returns the
    // height of the text, as the platform's call does.
    int DrawText(const std::string& text, TRect& rect, unsigned flags);

    // For the text layout: the glyphs of the current font, and one run of
    // code points drawn at a logical point, with an optional logical clip.
    TGlyphCache& Glyphs();
    void DrawTextRun(int x, int y, std::u32string_view run, const TRect* clip);
    // How text is drawn on scaled bitmaps: from glyphs of the scaled size
    // (always, in the program), or for tests as the scale-1 glyphs enlarged or
    // not at all, so that a test can check that a whole window is otherwise
    // the scale-1 picture enlarged, and where its text lies.
    enum TTextDrawing { tdSharp, tdDoubled, tdNone };
    static void SetTextDrawing(TTextDrawing drawing);
    // Draws a horizontal line of the font colour, for underlines.
    void DrawTextLine(int x, int y, int width, int thickness, const TRect* clip);

    // A canvas on a window's back buffer keeps the box of the pixels it
    // changed, so that only those are presented; a copy that brings nothing
    // new (a warm repaint) adds nothing. Bitmap coordinates; taking empties it.
    void TrackDamage() { FDamage.Tracked = true; }
    TRect TakeDamage();

private:
    struct TState;
    struct TDamage {
        bool Tracked = false;
        TRect Box; // empty while nothing changed
    };
    void Damaged(const TRect& area);
    // Every drawable part of a bitmap rectangle counts as changed.
    void DamagedWithin(const TRect& area);
    void CopyRowsTracked(const TRect& i, const TBitmap& src, int sx, int sy, int dx, int dy);

    const std::vector<TRect>& Clips() const;
    TRegion Drawable() const;
    void ChangeClip(const TRegion& area);
    // Logical coordinates beyond this are treated as this (no bitmap is that big).
    static constexpr int CoordinateLimit = 1 << 24;
    static void ClampCoordinates(int& a, int& b, int& c, int& d);
    TRect BitmapRect(const TRect& r) const;
    bool Visible(int dx, int dy) const;
    void FillArea(const TRect& r, uint32_t pixel, const TRect* limit = nullptr);
    void SpanArea(int y, int x0, int x1, uint32_t pixel);
    void PlotArea(int x, int y, uint32_t pixel);
    void PenDot(int x, int y, uint32_t pixel);
    void Line(TPoint a, TPoint b, bool last);
    bool PenVisible() const { return FPen.Style() != psClear; }
    bool BrushVisible() const { return FBrush.Style() != bsClear; }
    bool PenStyled() const { return FPen.Style() >= psDash && FPen.Style() <= psDashDotDot; }
    void FillShape(int left, int top, int right, int bottom, int cw, int ch);
    void BlitFrom(int dx, int dy, int w, int h, const TBitmap& src, int sx, int sy, uint32_t rop);
    // At device pixels: the glyph's pen and baseline, and the limit.
    void DrawGlyph(const struct TGlyph& g, int px, int baseline, uint32_t color,
                   const TRect& limit);
    // Fills a rectangle of device pixels, already clipped, with one pixel value.
    void FillPixels(TRect device, uint32_t pixel);
    // The glyphs of the current font at the bitmap's scale, for drawing.
    TGlyphCache& DeviceGlyphs(int scale);
    void CopyScaled(const TRect& i, const TBitmap& src, int sx, int sy, int dx, int dy,
                    uint32_t rop);

    TBitmap* FBitmap;
    TPoint FOrigin;
    bool FHasClip = false;
    TRegion FClip; // only while FHasClip
    // The drawable rectangles: the clip within the bitmap as it is now sized.
    mutable std::vector<TRect> FClipRects;
    mutable bool FClipValid = false;
    mutable TSize FClipSize;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
    TPolyFillMode FFillMode = pfAlternate;
    int FPenStep = 0;
    TGlyphCache* FGlyphs = nullptr;
    TFont FGlyphsFont; // the font FGlyphs was taken for
    TGlyphCache* FDeviceGlyphs = nullptr;
    TFont FDeviceGlyphsFont;
    int FDeviceGlyphsScale = 0;
    std::vector<TState> FSaved;
    TDamage FDamage;
};
