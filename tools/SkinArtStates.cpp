// State pictures: check boxes, radio buttons, menu checks, slider thumbs and
// channel, and the glyphs of combo boxes, scroll buttons and scroll thumbs.

#include "tools/SkinArt.h"
#include "tools/SkinArtColors.h"

using namespace Palette;

namespace {

TShape Box(double l, double t, double r, double b) {
    return RoundRect(l, t, r, b, 0);
}

constexpr TRgb CheckInk = Rgb(30, 58, 134);

// The inside of a box or dot for normal, hot and pressed.
TPaint StateFill(int state, double y0, double y1) {
    if (state == 1) return VGrad(HotMid1, HotTop, y0, y1);
    if (state == 2) return VGrad(PressedTop, HotMid1, y0, y1);
    return VGrad(Rgb(222, 226, 244), White, y0, y1);
}
TRgb StateOutline(int state) {
    const TRgb outline[] = {Border, HotBorder, PressedBorder};
    return outline[state];
}

TShape CheckMark(double x, double y, double scale, double halfWidth) {
    const double ax = x + 0.2 * scale, ay = y + 3.6 * scale;
    const double bx = x + 2.6 * scale, by = y + 6.2 * scale;
    const double cx = x + 7.2 * scale, cy = y + 0.6 * scale;
    return Union(Capsule(ax, ay, bx, by, halfWidth), Capsule(bx, by, cx, cy, halfWidth));
}

enum TBoxMark { bmNone, bmCheck, bmGrayed };

TArtCell CheckBox(TBoxMark mark, int state) {
    TArtCell c(16, 17);
    const TShape outer = RoundRect(1, 2, 14, 15, 1.5);
    const TShape inner = RoundRect(2, 3, 13, 14, 0.5);
    c.CutOutside(outer);
    c.Fill(outer, StateOutline(state));
    c.Fill(inner, StateFill(state, 3, 14));
    c.Fill(Minus(inner, Box(3, 4, 12, 13)), White, state == 0 ? 0.5 : 0.3);
    if (mark == bmCheck) c.Fill(CheckMark(4, 5, 1.0, 1.0), CheckInk);
    if (mark == bmGrayed)
        c.Fill(RoundRect(5, 6, 10, 11, 0.8), VGrad(Rgb(150, 156, 190), InkGrey, 6, 11));
    return c;
}

TArtCell Radio(bool checked, int state) {
    TArtCell c(16, 17);
    const double cx = 7.5, cy = 8.5;
    const TShape outer = Ellipse(cx, cy, 6.5, 6.5);
    const TShape inner = Ellipse(cx, cy, 5.5, 5.5);
    c.CutOutside(Ellipse(cx, cy, 6.9, 6.9));
    c.Fill(outer, StateOutline(state));
    c.Fill(inner, StateFill(state, 3, 14));
    if (checked) {
        c.Fill(Ellipse(cx, cy, 3.2, 3.2), VGrad(Rgb(90, 130, 210), CheckInk, 5, 12));
        c.Fill(Ellipse(cx - 0.8, cy - 1.1, 1.3, 1.0), White, 0.55);
    }
    return c;
}

TArtCell SmallCheck(bool checked, int state) {
    TArtCell c(12, 12);
    if (!checked) {
        c.CutOutside([](double, double) { return false; });
        return c;
    }
    const TShape mark = CheckMark(2, 2.5, 1.0, 0.95);
    c.CutOutside(Union(mark, Translate(mark, 0, 1)));
    c.Fill(Translate(mark, 0, 1), White, state == 2 ? 0.2 : 0.5);
    c.Fill(mark, state == 2 ? Rgb(40, 30, 20) : CheckInk);
    return c;
}

// The thumb of a horizontal track bar: a rounded body with a point downwards.
TArtCell SliderThumb(int state) {
    TArtCell c(11, 19);
    const TShape outer = Union(RoundRect(0, 0, 11, 14, 2.5),
                               Polygon({{0, 11}, {11, 11}, {11, 13.5}, {5.5, 19}, {0, 13.5}}));
    const TShape inner = Union(RoundRect(1, 1, 10, 13.5, 1.5),
                               Polygon({{1, 11}, {10, 11}, {10, 13.1}, {5.5, 17.6}, {1, 13.1}}));
    c.Fill(outer, StateOutline(state));
    c.Fill(inner, state == 0 ? VGrad(White, Rgb(206, 212, 240), 1, 17) : StateFill(state, 1, 17));
    c.Fill(Minus(inner, Translate(inner, 1, 1)), White, 0.6);
    for (int y = 5; y <= 9; y += 2)
        c.Fill(Box(3, y, 8, y + 1), state == 0 ? BorderSoft : HotBorder, 0.8);
    return c;
}

TArtCell SliderChannel(int state) {
    TArtCell c(12, 6);
    const TShape outer = RoundRect(0, 0, 12, 6, 2);
    const TShape inner = RoundRect(1, 1, 11, 5, 1);
    c.CutOutside(outer);
    c.Fill(outer, state ? Border : BorderSoft);
    c.Fill(inner, VGrad(Pale, White, 1, 5));
    return c;
}

// The drop-down glyph of a combo box: an arrow, on a warm button when hot.
TArtCell ComboGlyph(int state) {
    TArtCell c(16, 19);
    if (state > 0) {
        const TShape outer = RoundRect(0, 0, 16, 19, 2);
        const TShape inner = RoundRect(1, 1, 15, 18, 1);
        c.Fill(outer, StateOutline(state));
        c.Fill(inner, state == 1 ? VGrad(HotTop, HotMid2, 1, 18)
                                 : VGrad(PressedTop, PressedBottom, 1, 18));
    } else {
        c.Fill(Box(0, 2, 1, 17), BorderLight);
    }
    const TShape arrow = Polygon({{4.5, 8}, {11.5, 8}, {8, 12}});
    c.Fill(Translate(arrow, 0, 1), White, 0.6);
    c.Fill(arrow, Ink);
    return c;
}

// An arrow pointing up in a 9 x 9 cell.
TArtCell ArrowUp(int state) {
    TArtCell c(9, 9);
    const TShape arrow = Polygon({{1, 6.5}, {8, 6.5}, {4.5, 2.5}});
    c.Fill(Translate(arrow, 0, 1), White, 0.5);
    c.Fill(arrow, state == 0 ? InkSoft : Ink);
    return c;
}

// Three grip lines across an upright scroll thumb.
TArtCell ThumbGrip(int state) {
    TArtCell c(8, 8);
    for (int y = 1; y <= 5; y += 2) {
        c.Fill(Box(1, y + 1, 7, y + 2), White, 0.8);
        c.Fill(Box(1, y, 7, y + 1), state == 0 ? BorderSoft : HotBorder);
    }
    return c;
}

TArtPiece Piece(std::string key, int w, int h, int count, int maskType,
                std::function<TArtCell(int)> paint) {
    TArtPiece p = ::Piece(std::move(key), w, h, count, std::move(paint));
    p.MaskType = maskType;
    p.Behind = Window;
    return p;
}

} // namespace

void AddStatePieces(std::vector<TArtPiece>& pieces) {
    TArtPiece checked =
        Piece("BOXCHECKED", 16, 17, 3, 0, [](int s) { return CheckBox(bmCheck, s); });
    checked.Fixed = true;
    checked.At = {147, 27};
    pieces.push_back(checked);
    pieces.push_back(
        Piece("BOXUNCHECKED", 16, 17, 3, 0, [](int s) { return CheckBox(bmNone, s); }));
    pieces.push_back(Piece("BOXGRAYED", 16, 17, 3, 0, [](int s) { return CheckBox(bmGrayed, s); }));
    pieces.push_back(Piece("RADIOCHECKED", 16, 17, 3, 0, [](int s) { return Radio(true, s); }));
    pieces.push_back(Piece("RADIOUNCHECKED", 16, 17, 3, 0, [](int s) { return Radio(false, s); }));
    pieces.push_back(
        Piece("SMALLCHECKED", 12, 12, 3, 0, [](int s) { return SmallCheck(true, s); }));
    pieces.push_back(
        Piece("SMALLUNCHECKED", 12, 12, 3, 0, [](int s) { return SmallCheck(false, s); }));
    pieces.push_back(Piece("SLIDERMASK", 11, 19, 3, 1, SliderThumb));
    pieces.push_back(
        Piece("SLIDERVMASK", 19, 11, 3, 1, [](int s) { return SliderThumb(s).Transposed(); }));
    pieces.push_back(Piece("SLIDERCHANNEL", 12, 6, 2, 1, SliderChannel));
    pieces.push_back(Piece("COMBOGLYPH", 16, 19, 3, 1, ComboGlyph));
    pieces.push_back(Piece("ARROWUP", 9, 9, 3, 1, ArrowUp));
    pieces.push_back(
        Piece("ARROWDOWN", 9, 9, 3, 1, [](int s) { return ArrowUp(s).FlippedVertically(); }));
    pieces.push_back(Piece("ARROWLEFT", 9, 9, 3, 1, [](int s) { return ArrowUp(s).Transposed(); }));
    pieces.push_back(Piece("ARROWRIGHT", 9, 9, 3, 1,
                           [](int s) { return ArrowUp(s).Transposed().FlippedHorizontally(); }));
    pieces.push_back(Piece("GRIPV", 8, 8, 3, 1, ThumbGrip));
    pieces.push_back(Piece("GRIPH", 8, 8, 3, 1, [](int s) { return ThumbGrip(s).Transposed(); }));
}
